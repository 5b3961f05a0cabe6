#include "qt/ViewsHarness.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include "qt/Latin1.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"

namespace vantric::qt {

namespace {
class ProcessEventsPump : public platform::EventPump {
public:
    void ProcessEvents() override { QCoreApplication::processEvents(); }
};
}  // namespace

ViewsHarness::ViewsHarness(Machine& machine, AssemblyTables& program, MemoryDumpSettings& dump,
                           platform::MessageBox& messages, QWidget* parent)
    : QMainWindow(parent), dump_(dump), pump_(std::make_unique<ProcessEventsPump>()) {
    setWindowTitle(QStringLiteral("Vantric views"));
    auto* client = new QWidget(this);
    client->setFont(MainWindowFont());
    setCentralWidget(client);
    status_ = new QtStatusBar(this);
    setStatusBar(status_);

    editor_ = new QPlainTextEdit(client);
    editor_->setObjectName(QStringLiteral("codeEditor"));
    PlaceInTwips(editor_, 120, 600, 5775, 6600);
    editor_->installEventFilter(this);
    registers_ = new RegisterPanelWidget(client);
    registers_->move(TwipsToPixels(this, 6000), TwipsToPixels(this, 720));
    auto* caption = new QLabel(QStringLiteral("System RAM"), client);
    caption->setObjectName(QStringLiteral("memoryCaption"));
    caption->setFont(CaptionFont());
    PlaceInTwips(caption, 6000, 3600, 1455, 375);
    grid_ = new MemoryGridView(client);
    PlaceInTwips(grid_, 6000, 4080, 5895, 3120);
    entry_ = new DirectEntryBox(client);
    client->setMinimumSize(TwipsToPixels(this, 12000), TwipsToPixels(this, 7320));
    columnsDialog_ = new MemoryColumnsDialog(this);

    writer_ = std::make_unique<MemoryWriter>(machine.State(), dump, *grid_);
    registerPresenter_ =
        std::make_unique<RegisterPanelPresenter>(machine, *registers_, *status_, [this] { editor_->setFocus(); });
    gridPresenter_ = std::make_unique<MemoryGridPresenter>(machine, dump, *grid_);
    entryPresenter_ = std::make_unique<DirectEntryPresenter>(machine.State(), program, dump, *writer_, *grid_, *entry_,
                                                             *this, [this] { return windowHasFocus; });
    columns_ = std::make_unique<MemoryColumnsDialogPresenter>(dump, *columnsDialog_, messages, *pump_, *gridPresenter_);
    views_ = std::make_unique<MachineViewsPresenter>(*registerPresenter_, *gridPresenter_, dump);

    registers_->Bind(registerPresenter_.get());
    grid_->Bind(entryPresenter_.get());
    entry_->Bind(entryPresenter_.get());
    columnsDialog_->Bind(columns_.get());
}

// The widgets are cut loose before the presenters they call go.
ViewsHarness::~ViewsHarness() {
    registers_->Bind(nullptr);
    grid_->Bind(nullptr);
    entry_->Bind(nullptr);
    columnsDialog_->Bind(nullptr);
    editor_->removeEventFilter(this);
}

void ViewsHarness::SetCaption(const std::string& caption) { setWindowTitle(Latin1(caption)); }

void ViewsHarness::Start() {
    views_->RefreshMemoryGrid();
    views_->RefreshRegisterPanel(false);
}

bool ViewsHarness::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::FocusIn) entryPresenter_->HideEntryBox();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vantric::qt
