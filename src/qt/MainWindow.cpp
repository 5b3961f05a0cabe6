#include "qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include "qt/FileNameText.h"
#include "qt/Latin1.h"
#include "qt/TwipsLayout.h"
#include "shell/MainCommands.h"
#include "views/MainWindowPresenter.h"

namespace vantric::qt {

using platform::MainWindowControl;

namespace {

// The design client area and the controls' design rectangles, in twips. A width of 0 means as wide
// as the control's contents.
constexpr int kClientWidthTwips = 10965;
constexpr int kClientHeightTwips = 6525;

struct DesignRect {
    MainWindowControl control;
    int left, top, width, height;
};
constexpr DesignRect kDesign[] = {
    {MainWindowControl::Editor, 120, 600, 5775, 6615},
    {MainWindowControl::RegisterPanel, 6000, 720, 4455, 2775},
    {MainWindowControl::MemoryCaption, 6000, 3600, 1455, 375},
    {MainWindowControl::MemoryGrid, 6000, 4080, 5895, 3255},
    {MainWindowControl::EntryBox, 8040, 4680, 1335, 285},
    {MainWindowControl::MainToolbar, 120, 120, 0, 375},
    {MainWindowControl::MemoryToolbar, 7560, 3600, 0, 375},
};

QFont PanelFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

}  // namespace

// Everything below the menu bar. It docks the status bar along its bottom edge, reports its size
// changes, and draws the etched frame of the toolbars.
class ClientArea : public QWidget {
public:
    explicit ClientArea(MainWindow* window) : QWidget(window), window_(window) {
        setObjectName(QStringLiteral("clientArea"));
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        window_->ClientResized();
    }

    // Pairs of lines, button shadow beside 3D highlight: across the window under the menu bar, around
    // each toolbar, and from the memory toolbar along the "System RAM" caption to the right edge.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor highlight = palette().color(QPalette::Light);
        const auto horizontal = [&](int x1, int x2, int y) {
            painter.setPen(shadow);
            painter.drawLine(x1, y, x2, y);
            painter.setPen(highlight);
            painter.drawLine(x1, y + 1, x2, y + 1);
        };
        const auto frame = [&](const QRect& r) {
            painter.setPen(shadow);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
            painter.setPen(highlight);
            painter.drawRect(r.adjusted(1, 1, 0, 0));
        };
        horizontal(0, width() - 1, 0);
        for (const QToolBar* bar : {window_->mainToolbar_, window_->memoryToolbar_})
            frame(bar->geometry().adjusted(-3, -3, 3, 3));
        const QRect caption = window_->Control(MainWindowControl::MemoryCaption).geometry();
        const QRect bar2 = window_->memoryToolbar_->geometry();
        const int lineStart = std::max(caption.right(), bar2.right()) + 8;
        if (lineStart < width() - 4) horizontal(lineStart, width() - 4, caption.center().y());
    }

private:
    MainWindow* window_;
};

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      client_(new ClientArea(this)),
      editor_(new SourceEditor(client_)),
      status_(new QtStatusBar(client_)) {
    setObjectName(QStringLiteral("mainWindow"));
    setCentralWidget(client_);
    BuildMenus();
    mainToolbar_ = BuildToolbar(ToolbarKind::Main, "mainToolbar");
    memoryToolbar_ = BuildToolbar(ToolbarKind::Memory, "memoryToolbar");

    auto* registers = new QGroupBox(QStringLiteral("CPU Registers"), client_);
    registers->setObjectName(QStringLiteral("registerPanel"));
    registers->setFont(PanelFont());
    auto* caption = new QLabel(QStringLiteral("System RAM"), client_);
    caption->setObjectName(QStringLiteral("memoryCaption"));
    caption->setFont(PanelFont());
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* grid = new QFrame(client_);
    grid->setObjectName(QStringLiteral("memoryGrid"));
    grid->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* entry = new QLineEdit(client_);
    entry->setObjectName(QStringLiteral("entryBox"));
    entry->hide();

    controls_ = {{MainWindowControl::Editor, editor_},
                 {MainWindowControl::RegisterPanel, registers},
                 {MainWindowControl::MemoryCaption, caption},
                 {MainWindowControl::MemoryGrid, grid},
                 {MainWindowControl::EntryBox, entry},
                 {MainWindowControl::MainToolbar, mainToolbar_},
                 {MainWindowControl::MemoryToolbar, memoryToolbar_}};
    PlaceAtDesign();
    entry->raise();
    resize(TwipsToPixels(this, kClientWidthTwips),
           TwipsToPixels(this, kClientHeightTwips) + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::PlaceAtDesign() {
    for (const DesignRect& design : kDesign) {
        QWidget* widget = controls_.at(design.control);
        const int width = design.width ? TwipsToPixels(this, design.width) : widget->sizeHint().width();
        const int height = std::max(TwipsToPixels(this, design.height), design.width ? 0 : widget->sizeHint().height());
        widget->setGeometry(TwipsToPixels(this, design.left), TwipsToPixels(this, design.top), width, height);
    }
}

void MainWindow::BuildMenus() {
    for (const MenuDefinition& definition : MenuBar()) {
        QMenu* menu = menuBar()->addMenu(Latin1(definition.Caption));
        for (const MenuEntry& entry : definition.Entries) {
            if (entry.Id == CommandId::None) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(Latin1(entry.Caption));
            // Named after its command: "stepAction" for Step.
            action->setObjectName(Latin1(entry.Name) + QStringLiteral("Action"));
            if (!entry.Shortcut.empty()) action->setShortcut(QKeySequence(Latin1(entry.Shortcut)));
            if (entry.Id == CommandId::Delete) action->installEventFilter(this);
            const CommandId id = entry.Id;
            connect(action, &QAction::triggered, this, [this, id] {
                if (commands_) commands_->Execute(id);
            });
            menuActions_[id] = action;
        }
    }
}

QToolBar* MainWindow::BuildToolbar(ToolbarKind kind, const char* name) {
    auto* bar = new QToolBar(client_);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    int group = 0;
    for (const ToolbarButton& button : kind == ToolbarKind::Main ? MainToolbarButtons() : MemoryToolbarButtons()) {
        if (button.Group != group) {
            bar->addSeparator();
            group = button.Group;
        }
        const std::string key(button.Key);
        QAction* action = bar->addAction(ToolbarIcon(kind, key), Latin1(key));
        action->setObjectName(QString::fromLatin1(name) + QLatin1Char('_') + Latin1(key));
        action->setData(Latin1(key));
        action->setToolTip(Latin1(button.Tooltip));
        connect(action, &QAction::triggered, this, [this, kind, key] {
            if (!commands_) return;
            if (kind == ToolbarKind::Main)
                commands_->OnMainToolbarButton(key);
            else
                commands_->OnMemoryToolbarButton(key);
        });
    }
    return bar;
}

QWidget& MainWindow::Control(MainWindowControl control) const { return *controls_.at(control); }

QAction* MainWindow::MenuAction(CommandId id) const {
    const auto it = menuActions_.find(id);
    return it == menuActions_.end() ? nullptr : it->second;
}

QAction* MainWindow::ToolbarAction(ToolbarKind toolbar, const std::string& key) const {
    const QToolBar* bar = toolbar == ToolbarKind::Main ? mainToolbar_ : memoryToolbar_;
    for (QAction* action : bar->actions())
        if (action->data().toString() == QString::fromStdString(key)) return action;
    return nullptr;
}

void MainWindow::EmbedControl(MainWindowControl control, QWidget* widget) {
    QWidget* old = controls_.at(control);
    widget->setParent(client_);
    widget->setGeometry(old->geometry());
    widget->setVisible(!old->isHidden());
    controls_[control] = widget;
    old->deleteLater();
    old->hide();
    controls_.at(MainWindowControl::EntryBox)->raise();
}

void MainWindow::SetCaption(const std::string& caption) { setWindowTitle(TextWithFileName(caption)); }

void MainWindow::SetVisible(bool visible) {
    if (visible && !placed_) {
        // Centred on the screen when first shown.
        placed_ = true;
        if (const QScreen* screen = this->screen()) {
            const QRect available = screen->availableGeometry();
            move(available.center() - rect().center());
        }
    }
    setVisible(visible);
}

int MainWindow::ClientWidth() const {
    if (layout()) layout()->activate();
    return client_->width();
}

int MainWindow::ClientHeight() const {
    if (layout()) layout()->activate();
    return client_->height();
}

int MainWindow::StatusBarHeight() const { return status_->height(); }

int MainWindow::ScreenWidth() const { return screen() ? screen()->geometry().width() : 0; }

int MainWindow::ScreenHeight() const { return screen() ? screen()->geometry().height() : 0; }

platform::Rect MainWindow::ControlBounds(MainWindowControl control) const {
    const QRect g = Control(control).geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void MainWindow::SetControlBounds(MainWindowControl control, const platform::Rect& bounds) {
    Control(control).setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    client_->update();
}

void MainWindow::ClientResized() {
    status_->setGeometry(0, client_->height() - status_->sizeHint().height(), client_->width(),
                         status_->sizeHint().height());
    presenter_(&MainWindowPresenter::OnResized);
}

void MainWindow::LoadSecondaryWindows() {
    for (QWidget* window : secondary_) {
        window->setWindowIcon(windowIcon());
        window->hide();
    }
}

void MainWindow::FocusEditor() { editor_->setFocus(Qt::OtherFocusReason); }

void MainWindow::CloseAllWindows() {
    for (QWidget* window : secondary_) window->hide();
}

// Del is the shortcut of Edit > Delete, which deletes the editor's selection; the key does that only
// where the editor has the focus. Elsewhere (the memory grid, a toolbar) it does nothing, and text
// boxes keep it for their own text.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut && watched == MenuAction(CommandId::Delete))
        return QApplication::focusWidget() != editor_;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = true;
    presenter_.Call([&](MainWindowPresenter& presenter) { mayClose = presenter.OnCloseRequested(); });
    event->setAccepted(mayClose);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    presenter_(isActiveWindow() ? &MainWindowPresenter::OnActivated : &MainWindowPresenter::OnDeactivated);
}

}  // namespace vantric::qt
