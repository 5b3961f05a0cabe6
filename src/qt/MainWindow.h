#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <map>
#include <string>
#include <vector>

#include "platform/MainWindowView.h"
#include "qt/PresenterLink.h"
#include "qt/QtStatusBar.h"
#include "qt/SourceEditor.h"
#include "qt/ToolbarIcons.h"
#include "shell/CommandTable.h"

namespace vantric {
class MainCommands;
class MainWindowPresenter;
}  // namespace vantric

namespace vantric::qt {

class ClientArea;

// The main window "mainWindow": the menu bar, and below it a client area that holds the two toolbars,
// the source editor, the register panel, the "System RAM" caption, the memory grid, the direct entry
// box and, along the bottom edge, the status bar. Controls start at their design places (in twips,
// scaled for the screen); the presenter moves them from there. Menu entries, toolbar buttons and
// window events are forwarded to the presenter and the command table's handlers.
class MainWindow : public QMainWindow, public platform::MainWindowView {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void Bind(MainWindowPresenter* presenter) { presenter_.Bind(presenter); }
    void SetCommands(MainCommands* commands) { commands_ = commands; }
    // A window loaded, hidden, with the main window's icon during start-up.
    void AddSecondaryWindow(QWidget* window) { secondary_.push_back(window); }
    // Puts a widget in the place of a control, at the control's current bounds; the placeholder goes.
    void EmbedControl(platform::MainWindowControl control, QWidget* widget);

    SourceEditor& Editor() { return *editor_; }
    QtStatusBar& Status() { return *status_; }
    QToolBar& MainToolbar() { return *mainToolbar_; }
    QToolBar& MemoryToolbar() { return *memoryToolbar_; }
    QWidget& Control(platform::MainWindowControl control) const;
    QAction* MenuAction(CommandId id) const;
    QAction* ToolbarAction(ToolbarKind toolbar, const std::string& key) const;

    // platform::Window
    bool IsVisible() const override { return isVisible(); }
    void Hide() override { hide(); }
    void SetCaption(const std::string& caption) override;
    // platform::MainWindowView
    void SetVisible(bool visible) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    int StatusBarHeight() const override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    platform::Rect ControlBounds(platform::MainWindowControl control) const override;
    void SetControlBounds(platform::MainWindowControl control, const platform::Rect& bounds) override;
    void LoadSecondaryWindows() override;
    void FocusEditor() override;
    void RequestClose() override { close(); }
    void CloseAllWindows() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    QToolBar* BuildToolbar(ToolbarKind kind, const char* name);
    void ClientResized();
    void PlaceAtDesign();
    friend class ClientArea;

    PresenterLink<MainWindowPresenter> presenter_;
    MainCommands* commands_ = nullptr;
    ClientArea* client_;
    SourceEditor* editor_;
    QtStatusBar* status_;
    QToolBar* mainToolbar_;
    QToolBar* memoryToolbar_;
    std::map<platform::MainWindowControl, QWidget*> controls_;
    std::map<CommandId, QAction*> menuActions_;
    std::vector<QWidget*> secondary_;
    bool placed_ = false;
};

}  // namespace vantric::qt
