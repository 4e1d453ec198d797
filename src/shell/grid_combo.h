#pragma once
// The combo box the main window floats over a grid cell as an in-place editor: the form kit's
// list box, plus what the grid's editors need of a drop-down list:
// - KeyDown(keyCode, shift) and KeyPress(keyAscii) before the box acts on a key (vb_keys.h); a
//   handler that sets the code to 0 cancels the key. They come also while the list is dropped
//   down, so Enter in an open list reaches the handler (the list closes first).
// - IsDropped: whether the list is dropped down at this moment.
// - With ArrowsDropDown, an arrow key first drops the list down. In a dropped list every arrow
//   key moves the selection by one item at once, which is a choice (Click), as in a closed list.

#include "platform/form_kit.h"

class GridCombo : public ComboBox {
    Q_OBJECT
public:
    explicit GridCombo(QWidget *parent = nullptr);

    bool IsDropped() const { return dropped_; }
    void setArrowsDropDown(bool on) { arrowsDropDown_ = on; }

    void showPopup() override;
    void hidePopup() override;

signals:
    void KeyDown(int &keyCode, int shift);
    void KeyPress(int &keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // KeyDown and KeyPress for a key; false when a handler cancelled it.
    bool RaiseKeyEvents(QKeyEvent *event, int &keyAscii);
    // Moves the selection one item up (-1) or down (+1), within the list.
    void Step(int delta);

    bool dropped_ = false;
    bool arrowsDropDown_ = false;
};
