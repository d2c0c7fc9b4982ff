#pragma once

// What the book window's eyedropper drives: the screen picker, handed to the
// book by the window set. With the mouse: pressed, dragged over the screen,
// let go. With the keys: picking begins where the pointer is, the point
// moves a device pixel at a time, and the colour is taken or nothing is.
class Eyedropper {
public:
    virtual ~Eyedropper() = default;
    virtual void eyedropperPressed() = 0;
    virtual void eyedropperDragged() = 0;
    virtual void eyedropperReleased() = 0;
    virtual bool keyPickingUnderWay() const = 0;
    virtual void keyPickingBegins() = 0;
    virtual void keyPointMoves(int dx, int dy) = 0;
    // With `goOn`, the colour goes to the card's next slot and picking
    // goes on (several picks in one go).
    virtual void keyPickingTakes(bool goOn = false) = 0;
    virtual void keyPickingEnds() = 0;
    // A key for what is picked rather than where (the square averaged, the
    // enlargement): true if it was one.
    virtual bool pickingKey(int key) = 0;
};
