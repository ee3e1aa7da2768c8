#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class TdmMain;

// The frame of the program: menus and tool bar gated by the operator's rights, the status bar,
// the background picture, and the child windows of every list screen.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(TdmMain& dm, QWidget* parent = nullptr);
    ~TfrmMain() override;

    QMdiArea* mdiArea() const { return mdiArea_; }
    // Shows the status panels and applies the rights of the logged-in operator.
    void FormCreate();
    void btnLoginClick();
    // Restores the window when minimised and brings it to the front.
    void bringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* addEntry(QMenu* menu, const char* name, int tag, const QString& caption);
    QAction* addButton(const char* name, int tag, const QString& caption, int icon);
    void buildMenus();
    void buildToolBar();
    void connectScreens();
    void FormResize();
    void showStatus();
    void applyRights();
    void tidyMenu(QMenu* menu);
    void fillWindowMenu();
    void showChildToolBar(QMdiSubWindow* window);
    QAction* action(const char* name) const;

    TdmMain& dm_;
    QMdiArea* mdiArea_;
    QToolBar* toolBar_;
    QList<QMenu*> topMenus_;
    QList<QAction*> helpEntries_;
    QLabel* panels_[3];
    QPointer<QToolBar> childToolBar_;
};
