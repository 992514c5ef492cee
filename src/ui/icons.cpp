#include "ui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

// Resources of a static library are registered by hand.
static void RegisterBuilderIcons() { Q_INIT_RESOURCE(builder_icons); }

namespace wk::ui {
namespace {

// The bundled builder pictures' colours (builder_icons/draw_icons.py), so
// that the toolbar reads as one set.
const QColor kInk(31, 58, 120);
const QColor kPaper(250, 250, 246);
const QColor kBlue(52, 111, 196);
const QColor kGreen(46, 150, 66);
const QColor kAmber(240, 130, 30);
const QColor kYellow(255, 214, 70);

QPen Outline(qreal width = 1.6) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Sheet(QPainter& p, const QRectF& r) {
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 1.5, 1.5);
}

void Lines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal step) {
    p.setPen(QPen(kInk.lighter(170), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

// A closed outline, filled.
void Shape(QPainter& p, std::initializer_list<QPointF> corners, const QColor& fill) {
    p.setPen(Outline());
    p.setBrush(fill);
    p.drawPolygon(QPolygonF(QList<QPointF>(corners)));
}

void Badge(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour) {
    p.setPen(QPen(Qt::white, 1.4));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void Letter(QPainter& p, const QString& letter) {
    p.setPen(Outline(1.4));
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font("Sans");
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, letter);
}

void Glass(QPainter& p, bool plus) {
    p.setPen(QPen(kInk, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(Outline(2));
    p.setBrush(QColor(227, 242, 253));
    p.drawEllipse(QPointF(13, 13), 10, 10);
    p.setPen(QPen(kBlue, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 13), QPointF(18, 13));
    if (plus) p.drawLine(QPointF(13, 8), QPointF(13, 18));
}

// Each picture is drawn on a 32 x 32 canvas and scaled to the size asked for.
void Draw(QPainter& p, IconKind kind) {
    switch (kind) {
    case IconKind::Boilerplate:
        Sheet(p, QRectF(5, 3, 22, 26));
        Lines(p, 9, 23, 9, 4, 4.5);
        Badge(p, QPointF(22, 24), 6, kBlue);
        break;
    case IconKind::Browse:
        Shape(p, {{3, 9}, {12, 9}, {15, 12}, {29, 12}, {29, 27}, {3, 27}}, kAmber);
        p.setBrush(kYellow);
        p.drawRect(QRectF(3, 15, 26, 12));
        break;
    case IconKind::Category:
        Shape(p, {{4, 4}, {16, 4}, {29, 17}, {17, 29}, {4, 16}}, kGreen);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(10, 10), 2.5, 2.5);
        break;
    case IconKind::Commit:
        Sheet(p, QRectF(4, 3, 20, 26));
        Lines(p, 8, 20, 9, 3, 4.5);
        Badge(p, QPointF(23, 23), 7.5, kGreen);
        p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(19.5, 23), QPointF(22.3, 26), QPointF(27, 20)}));
        break;
    case IconKind::Preview: {
        QPainterPath eye;
        eye.moveTo(2, 16);
        eye.quadTo(16, 2, 30, 16);
        eye.quadTo(16, 30, 2, 16);
        p.setPen(Outline());
        p.setBrush(kPaper);
        p.drawPath(eye);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(16, 16), 6, 6);
        p.setBrush(kInk);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
        break;
    }
    case IconKind::Help:
        Letter(p, "?");
        break;
    case IconKind::About:
        Letter(p, "i");
        break;
    case IconKind::Magnify:
        Glass(p, true);
        break;
    case IconKind::Shrink:
        Glass(p, false);
        break;
    }
}

}  // namespace

QIcon BuilderIcon(const QString& name) {
    static const bool registered = (RegisterBuilderIcons(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (int size : {16, 32})
        icon.addFile(QStringLiteral(":/builder/%1%2.png").arg(name).arg(size), QSize(size, size));
    return icon;
}

QIcon WarningIcon(const QIcon& picture) {
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap = picture.pixmap(size, size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        Badge(painter, QPointF(23, 23), 8.5, QColor(204, 32, 32));
        QFont font("Sans");
        font.setPixelSize(14);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(14.5, 14.5, 17, 17), Qt::AlignCenter, "!");
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon ToolbarIcon(IconKind kind) {
    QIcon icon;
    for (int size : {16, 20, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        Draw(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace wk::ui
