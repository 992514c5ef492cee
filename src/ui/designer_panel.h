#pragma once
// The style designer: the preview picture with its five samples and the
// element, font, size, bold, italic and colour controls. It holds no style
// state of its own: every action runs the workspace's designer command, then
// refresh() shows the designer state and the style afresh.
#include <QPointer>
#include <functional>
#include <string>
#include <QWidget>

#include "style/designer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QToolButton;

namespace wk {
struct Workspace;
}

namespace wk::ui {

class PalettePopup;
class PreviewPicture;

class DesignerPanel : public QWidget {
    Q_OBJECT
public:
    explicit DesignerPanel(Workspace& ws, QWidget* parent = nullptr);
    ~DesignerPanel() override;

public slots:
    void refresh();  // shows the designer state and style afresh

signals:
    // After every user action, once the panel shows its outcome.
    void styleChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QWidget* buildControls();
    // A box's reaction to its text: the designer command, then the outcome shown.
    std::function<void(const QString&)> onText(void (*command)(Workspace&, const std::string&));
    void changed();
    void endSizeEntry();
    void showControls();
    void showPalette();
    QLabel* colorBox(ColorBox box) const;
    QToolButton* colorButton(ColorBox box) const;

    Workspace& ws_;
    PreviewPicture* picture_;
    QComboBox* cmbElement_;
    QComboBox* cmbFont_;
    QComboBox* cmbSize_;
    QCheckBox* chkBold_;
    QCheckBox* chkItalic_;
    QLabel* txtColor0_;
    QLabel* txtColor1_;
    QToolButton* cmdColor0_;
    QToolButton* cmdColor1_;
    QWidget* fontGroup_;
    QWidget* sizeGroup_;
    QWidget* styleGroup_;
    QWidget* color0Group_;
    QWidget* color1Group_;
    QLabel* lblContrast_;  // the designer state's contrast note, hidden while empty
    // Lives on the top-level window while open, so it can drop down over
    // whatever lies below the designer.
    QPointer<PalettePopup> palette_;
};

}  // namespace wk::ui
