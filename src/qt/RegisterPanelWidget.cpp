#include "qt/RegisterPanelWidget.h"

#include <QEvent>
#include <QMouseEvent>

#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"
#include "views/ReadableColours.h"
#include "views/RegisterPanelPresenter.h"

namespace vantric::qt {

namespace {

using Field = platform::RegisterField;

struct BoxPlace {
    Field field;
    const char* name;  // of the widget
    int left, top, width, height;
    Qt::Alignment alignment;
};

// In tab order.
constexpr BoxPlace kBoxes[] = {
    {Field::A, "registerA", 480, 600, 435, 405, Qt::AlignRight},
    {Field::Flags, "flagsByte", 900, 600, 435, 405, Qt::AlignLeft},
    {Field::B, "registerB", 480, 1080, 435, 405, Qt::AlignRight},
    {Field::C, "registerC", 900, 1080, 435, 405, Qt::AlignLeft},
    {Field::D, "registerD", 480, 1560, 435, 405, Qt::AlignRight},
    {Field::E, "registerE", 900, 1560, 435, 405, Qt::AlignLeft},
    {Field::H, "registerH", 480, 2040, 435, 405, Qt::AlignRight},
    {Field::L, "registerL", 900, 2040, 435, 405, Qt::AlignLeft},
    {Field::StackPointer, "stackPointer", 2280, 2040, 735, 405, Qt::AlignLeft},
    {Field::ProgramCounter, "programCounter", 3480, 2040, 735, 405, Qt::AlignLeft},
};

struct NamePlace {
    const char* name;
    int left, top, width;
    Qt::Alignment alignment;
};

constexpr NamePlace kRegisterNames[] = {
    {"A", 180, 705, 255, Qt::AlignRight},    {"B", 180, 1185, 255, Qt::AlignRight},
    {"D", 180, 1665, 255, Qt::AlignRight},   {"H", 180, 2145, 255, Qt::AlignRight},
    {"C", 1380, 1185, 255, Qt::AlignLeft},   {"E", 1380, 1665, 255, Qt::AlignLeft},
    {"L", 1380, 2145, 255, Qt::AlignLeft},   {"SP", 1860, 2145, 375, Qt::AlignRight},
    {"PC", 3060, 2145, 375, Qt::AlignRight},
};

constexpr int kNameHeight = 225;
constexpr int kFlagLeft = 2280;  // bit 7's cell; each cell further right is one bit lower
constexpr int kFlagStep = 240;
constexpr int kFlagSize = 255;
constexpr int kFlagNameTop = 405;
constexpr int kFlagTop = 660;
constexpr const char* kFlagNames[] = {"S", "Z", "-", "AC", "-", "P", "-", "CY"};
constexpr std::uint32_t kFlagCaptionColour = 0xE0E0E0;  // light grey

}  // namespace

FlagCell::FlagCell(QWidget* parent) : QLabel(QStringLiteral("0"), parent) {
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
}

void FlagCell::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
}

RegisterPanelWidget::RegisterPanelWidget(QWidget* parent) : QGroupBox(QStringLiteral("CPU Registers"), parent) {
    setObjectName(QStringLiteral("registerPanel"));
    setFont(CaptionFont());
    const QFont nameFont = DialogFont();
    PlaceInTwips(this, 0, 0, 4455, 2775);  // the size; the main window places it

    QtTextBox* previous = nullptr;
    for (const BoxPlace& p : kBoxes) {
        auto* box = new QtTextBox(this);
        box->setObjectName(QString::fromLatin1(p.name));
        box->setFont(MainWindowFont());
        box->setAlignment(p.alignment | Qt::AlignVCenter);
        box->SetMaxLength(p.field == Field::StackPointer || p.field == Field::ProgramCounter ? 4 : 2);
        PlaceInTwips(box, p.left, p.top, p.width, p.height);
        boxes_[static_cast<std::size_t>(p.field)] = box;
        if (previous) setTabOrder(previous, box);
        previous = box;
    }
    for (const NamePlace& n : kRegisterNames) {
        auto* label = new QLabel(QString::fromLatin1(n.name), this);
        label->setFont(nameFont);
        label->setAlignment(n.alignment | Qt::AlignVCenter);
        PlaceInTwips(label, n.left, n.top, n.width, kNameHeight);
    }

    auto* flagsLabel = new QLabel(QStringLiteral("Flags"), this);
    flagsLabel->setObjectName(QStringLiteral("flagsCaption"));
    flagsLabel->setFont(ArialFont(8.25, true));
    PlaceInTwips(flagsLabel, 1380, 690, 480, kNameHeight);
    auto* arrow = new QLabel(QString(QChar(0x21E8)), this);  // a white right arrow pointing at the cells
    arrow->setFont(ArialFont(14));
    arrow->setAlignment(Qt::AlignCenter);
    PlaceInTwips(arrow, 1860, 600, 390, 405);

    for (int position = 0; position < 8; ++position) {
        const int bit = 7 - position;
        const int left = kFlagLeft + position * kFlagStep;
        auto* name = new QLabel(QString::fromLatin1(kFlagNames[position]), this);
        name->setFont(nameFont);
        name->setAlignment(Qt::AlignCenter);
        PlaceInTwips(name, left - 60, kFlagNameTop, kFlagSize + 120, kNameHeight);
        auto* cell = new qt::FlagCell(this);
        cell->setObjectName(QStringLiteral("flagBit%1").arg(bit));
        cell->setFont(nameFont);
        PlaceInTwips(cell, left, kFlagTop, kFlagSize, kFlagSize);
        cells_[static_cast<std::size_t>(bit)] = cell;
    }
    flagCaption_ = new QLabel(QStringLiteral("Click to toggle flag bits"), this);
    flagCaption_->setFont(ArialFont(7.5));
    flagCaption_->setAlignment(Qt::AlignCenter);
    flagCaption_->setAutoFillBackground(true);
    PlaceInTwips(flagCaption_, kFlagLeft, kFlagTop + kFlagSize + 45, 7 * kFlagStep + kFlagSize, kNameHeight);
    FollowPalette();
}

void RegisterPanelWidget::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) FollowPalette();
}

// The flag cells' caption is light grey under a light palette and a dark grey under a dark one.
void RegisterPanelWidget::FollowPalette() {
    QPalette colours = palette();
    const CellColours caption = ReadableColours(kFlagCaptionColour, colours.color(QPalette::Window).rgb() & 0xFFFFFF,
                                                colours.color(QPalette::WindowText).rgb() & 0xFFFFFF);
    colours.setColor(QPalette::Window, QColor::fromRgb(caption.background));
    colours.setColor(QPalette::WindowText, QColor::fromRgb(caption.text));
    flagCaption_->setPalette(colours);
}

void RegisterPanelWidget::Bind(RegisterPanelPresenter* presenter) {
    for (int i = 0; i < platform::kRegisterFieldCount; ++i) {
        const auto field = static_cast<platform::RegisterField>(i);
        QtTextBox* box = Box(field);
        if (!presenter) {
            box->onChange = box->onGotFocus = box->onLostFocus = nullptr;
            box->onKey = nullptr;
            continue;
        }
        box->onChange = [presenter, field] { presenter->OnFieldChanged(field); };
        box->onGotFocus = [presenter, field] { presenter->OnFieldFocused(field); };
        box->onLostFocus = [presenter, field] { presenter->OnFieldLeft(field); };
        box->onKey = [presenter, field](platform::Key key) { return presenter->OnFieldKey(field, key); };
    }
    for (int bit = 0; bit < 8; ++bit) {
        if (presenter)
            Cell(bit)->onClick = [presenter, bit] { presenter->OnFlagCellClicked(bit); };
        else
            Cell(bit)->onClick = nullptr;
    }
}

}  // namespace vantric::qt
