#pragma once
#include <string>

namespace vantric::platform {

// A one-line text box. Its text is 8-bit (Latin-1) characters.
class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    // Setting a different text raises the box's change notification exactly as typing does; an
    // equal text raises nothing. The maximum length limits only what is typed, not what is set.
    virtual void SetText(const std::string& text) = 0;
    virtual int MaxLength() const = 0;
    virtual void SetSelStart(int start) = 0;
    virtual void SetSelLength(int length) = 0;
    virtual void SetFocus() = 0;
};

// Selects the box's whole text, so that the next key typed replaces it.
inline void SelectAllText(TextBox& box) {
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
}

// A rectangle in pixels.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// A text box that the logic places, shows and hides itself, in the coordinates of its parent.
class FloatingTextBox : public TextBox {
public:
    virtual void Move(const Rect& bounds) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
};

// A caption that the user can read (and, for the flag cells, click).
class Label {
public:
    virtual ~Label() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};

}  // namespace vantric::platform
