#include "ui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace wk::ui {
namespace {

// One colour family for all pictures, so the toolbar reads as a set.
const QColor kInk(55, 71, 79);
const QColor kPaper(250, 250, 247);
const QColor kBlue(30, 136, 229);
const QColor kGreen(67, 160, 71);
const QColor kRed(229, 57, 53);
const QColor kAmber(251, 140, 0);
const QColor kYellow(255, 202, 40);

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

void Badge(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour) {
    p.setPen(QPen(Qt::white, 1.4));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void Arrow(QPainter& p, bool up) {
    QPainterPath path;
    const qreal tip = up ? 4 : 28, base = up ? 16 : 16, tail = up ? 28 : 4;
    path.moveTo(16, tip);
    path.lineTo(28, base);
    path.lineTo(21, base);
    path.lineTo(21, tail);
    path.lineTo(11, tail);
    path.lineTo(11, base);
    path.lineTo(4, base);
    path.closeSubpath();
    p.setPen(Outline(1.4));
    p.setBrush(kBlue);
    p.drawPath(path);
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
    case IconKind::NewNode:
        Sheet(p, QRectF(3, 6, 22, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRect(QRectF(3.8, 6.8, 20.4, 5));
        Lines(p, 7, 20, 16, 2, 5);
        Badge(p, QPointF(24, 24), 7, kGreen);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 20.5), QPointF(24, 27.5));
        p.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
        break;
    case IconKind::EditNode: {
        Sheet(p, QRectF(3, 6, 22, 20));
        Lines(p, 7, 20, 12, 3, 5);
        QPainterPath pencil;
        pencil.moveTo(27, 7);
        pencil.lineTo(30, 10);
        pencil.lineTo(16, 24);
        pencil.lineTo(11.5, 25.5);
        pencil.lineTo(13, 21);
        pencil.closeSubpath();
        p.setPen(Outline(1.3));
        p.setBrush(kAmber);
        p.drawPath(pencil);
        break;
    }
    case IconKind::DeleteNode: {
        // Incinerate: a flame.
        QPainterPath flame;
        flame.moveTo(16, 2);
        flame.cubicTo(20, 9, 28, 13, 26, 21);
        flame.cubicTo(25, 27, 20, 30, 16, 30);
        flame.cubicTo(11, 30, 6, 27, 6, 21);
        flame.cubicTo(6, 15, 11, 13, 12, 8);
        flame.cubicTo(14, 11, 15, 13, 15, 15);
        flame.cubicTo(17, 11, 17, 6, 16, 2);
        p.setPen(QPen(kRed.darker(130), 1.3));
        p.setBrush(kRed);
        p.drawPath(flame);
        QPainterPath core;
        core.moveTo(16, 15);
        core.cubicTo(19, 19, 21, 22, 20, 25);
        core.cubicTo(19, 28, 13, 28, 12, 25);
        core.cubicTo(11, 22, 14, 20, 16, 15);
        p.setPen(Qt::NoPen);
        p.setBrush(kYellow);
        p.drawPath(core);
        break;
    }
    case IconKind::MoveUp:
        Arrow(p, true);
        break;
    case IconKind::MoveDown:
        Arrow(p, false);
        break;
    case IconKind::Boilerplate:
        Sheet(p, QRectF(5, 3, 22, 26));
        Lines(p, 9, 23, 9, 4, 4.5);
        Badge(p, QPointF(22, 24), 6, kBlue);
        break;
    case IconKind::Browse: {
        QPainterPath folder;
        folder.moveTo(3, 9);
        folder.lineTo(12, 9);
        folder.lineTo(15, 12);
        folder.lineTo(29, 12);
        folder.lineTo(29, 27);
        folder.lineTo(3, 27);
        folder.closeSubpath();
        p.setPen(Outline());
        p.setBrush(kAmber);
        p.drawPath(folder);
        p.setBrush(kYellow);
        p.drawRect(QRectF(3, 15, 26, 12));
        break;
    }
    case IconKind::Category: {
        QPainterPath tag;
        tag.moveTo(4, 4);
        tag.lineTo(16, 4);
        tag.lineTo(29, 17);
        tag.lineTo(17, 29);
        tag.lineTo(4, 16);
        tag.closeSubpath();
        p.setPen(Outline());
        p.setBrush(kGreen);
        p.drawPath(tag);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(10, 10), 2.5, 2.5);
        break;
    }
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
