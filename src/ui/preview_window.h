#pragma once
// The preview window: the server-emulated copy of a page in an embedded web
// browser that fills the window. The copies it showed go when it closes.
#include <QWidget>
#include <string>
#include <vector>

class QWebEngineView;

namespace wk::ui {

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);
    // Also when the program ends with the window open.
    ~PreviewWindow() override;

    // Shows the preview file, captioned with the page's title.
    void showPreview(const std::string& file, const std::string& title);
    // The preview files shown since the window last closed.
    const std::vector<std::string>& previews() const { return previews_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void deletePreviews();

    QWebEngineView* browser_;
    std::vector<std::string> previews_;
};

}  // namespace wk::ui
