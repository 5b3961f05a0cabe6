#pragma once
// The register panel "CPU Registers": register boxes, their names, the flag byte's cells and their
// names, laid out in twips scaled to the screen.
//
// Embedding: construct with the main window's client widget as parent and place it at its design
// rectangle (the widget sizes itself). Build RegisterPanelPresenter over it (it is the
// platform::RegisterPanelView), then call Bind(&presenter): each box's change, focus and keys and
// each flag cell's click then reach the presenter with the box's field or the cell's bit.
// Bind(nullptr) cuts the panel loose before the presenter goes.

#include <QGroupBox>
#include <QLabel>
#include <array>
#include <functional>

#include "platform/RegisterPanelView.h"
#include "qt/Latin1.h"
#include "qt/QtTextBox.h"

namespace vantric {
class RegisterPanelPresenter;
}

namespace vantric::qt {

// A flag bit's cell: a bordered "0" or "1" that reports a click.
class FlagCell : public QLabel, public platform::Label {
    Q_OBJECT
public:
    explicit FlagCell(QWidget* parent = nullptr);
    std::string Caption() const override { return text().toStdString(); }
    void SetCaption(const std::string& caption) override { setText(Latin1(caption)); }
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class RegisterPanelWidget : public QGroupBox, public platform::RegisterPanelView {
    Q_OBJECT
public:
    explicit RegisterPanelWidget(QWidget* parent = nullptr);

    void Bind(RegisterPanelPresenter* presenter);

    platform::TextBox& Field(platform::RegisterField field) override { return *Box(field); }
    platform::Label& FlagCell(int bit) override { return *Cell(bit); }
    QtTextBox* Box(platform::RegisterField field) const { return boxes_.at(static_cast<std::size_t>(field)); }
    qt::FlagCell* Cell(int bit) const { return cells_.at(static_cast<std::size_t>(bit)); }

protected:
    void changeEvent(QEvent* event) override;

private:
    void FollowPalette();

    std::array<QtTextBox*, platform::kRegisterFieldCount> boxes_{};
    std::array<qt::FlagCell*, 8> cells_{};
    QLabel* flagCaption_ = nullptr;
};

}  // namespace vantric::qt
