#pragma once
// The main window: the three steps of the work from left to right (set up,
// design and build the menus, commit), with every command also in the menu
// bar and the toolbar, and the six-panel status bar.
#include <QMainWindow>
#include <QStringList>
#include <array>

#include "app/workspace.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;
class QWidget;

namespace wk {
enum class CategoryQuestion;
}

namespace wk::ui {

enum class IconKind;
class DesignerPanel;
class ElidedLabel;
class MenuBuilderPanel;
class StatusPanels;
class AboutDialog;
class PreviewWindow;
class WrappingButton;
class LinkCheckWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Workspace& ws, QWidget* parent = nullptr);

    // Shows every setting, the status bar and the page as the workspace holds them.
    void showWorkspace();
    // The desktop program's start: the tip of the day greets the user when
    // the window first becomes active.
    void greetOnActivation();

public slots:
    void openBoilerplate();  // cmdBoil, status bar panels 2 to 5
    void browsePage();       // cmdBrowse, cmdBrws
    void changeCategory();   // cmdCat
    void commitPage();       // cmdCommit, cmdCom
    void previewPage();      // cmdPreview
    void setAnchor();        // cmdAnchor
    void setFilter();        // cmdFilter
    void setExpertMode(bool on);  // chkExpert
    void upgradeSite();      // cmdUpgrade
    void removeMenus();      // cmdRemove
    void checkLinks();       // mnuCheckLinks: the links window, and the builder's marks afresh
    void restoreSite();      // mnuRestoreSite
    void showHelp();         // cmdHelp, cmdHlp
    void showAbout();        // cmdAbout
    void toggleMagnifier();  // Magnifier
    void statusPanelClicked(int number);
    void setImprovedProposals(bool on);  // mnuImprovedProposals: proposes the page again
    void setKeyboardMenus(bool on);      // mnuKeyboardMenus: the designer's contrast note follows
    void toggleTips();       // mnuTips
    void showTips();         // the tips window at the tip of the workspace

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenuBar();
    void buildToolBar();
    QWidget* buildSetUpColumn();
    QWidget* buildDesignColumn();
    QWidget* buildCommitColumn();
    QToolButton* addToolButton(const char* name, const QString& text, const QString& tooltip, IconKind icon,
                               void (MainWindow::*slot)());
    // Runs a workspace command and shows its outcome.
    void runOnWorkspace(void (*command)(Workspace&));
    // Runs a menu builder command and shows its outcome.
    void runBuilder(void (MenuBuilderPanel::*command)());
    // After every command: the workspace on display, and what could not be saved said once.
    void afterCommand();
    void showNotices();
    void showExpertControls();
    void showPage();
    void showMagnifier();
    void showTipsSetting();
    void buildTopicsMenu(QMenu* topics);
    void openHelpTopic(int topic);  // a Topics entry: the window's topic from now on
    // Opens the progress window on a site-wide operation, then shows the workspace afresh.
    void runSiteOperation(int code);
    // The path in the page box becomes the page (unless it is already).
    void loadTypedPage(CategoryQuestion question);
    void descriptionEdited();
    void descriptionChosen(int index);

    Workspace& ws_;
    DesignerPanel* designer_ = nullptr;
    MenuBuilderPanel* builder_ = nullptr;
    StatusPanels* panels_ = nullptr;

    // Set up
    std::array<ElidedLabel*, 5> boilerplate_{};
    std::array<QCheckBox*, kCommitOptionCount> options_{};
    QCheckBox* expert_ = nullptr;
    ElidedLabel* anchorLabel_ = nullptr;
    ElidedLabel* filterLabel_ = nullptr;
    QPushButton* anchorButton_ = nullptr;
    QPushButton* filterButton_ = nullptr;
    QWidget* pageOptions_ = nullptr;  // the anchor and filter rows

    // Commit
    QLineEdit* page_ = nullptr;
    QTimer* pageTimer_ = nullptr;  // runs while the user types a path
    QListWidget* words_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QComboBox* candidates_ = nullptr;
    QWidget* siteCommands_ = nullptr;  // the expert's whole-site commands
    WrappingButton* upgrade_ = nullptr;
    WrappingButton* remove_ = nullptr;

    QToolButton* magnifier_ = nullptr;
    QCheckBox* tips_ = nullptr;       // chkTip
    QAction* tipsEntry_ = nullptr;    // mnuTips
    PreviewWindow* preview_ = nullptr;
    LinkCheckWindow* links_ = nullptr;
    AboutDialog* about_ = nullptr;
    bool greet_ = false;
    QAction* showExpert_ = nullptr;  // mnuShow
    QStringList shownNotices_;
};

}  // namespace wk::ui
