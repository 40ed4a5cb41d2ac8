#pragma once

// What the main window hears from the host, in client pixels. The event pump
// hands each event of the window to one of these.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    // The player asked to close the window (close box, or the process was
    // told to end).
    virtual void OnClose() = 0;
    // The window's picture was lost and must be shown again.
    virtual void OnPaint() = 0;
    virtual void OnEraseBackground() = 0;
    virtual void OnLeftButtonDown(int x, int y) = 0;
    virtual void OnLeftButtonUp(int x, int y) = 0;
    virtual void OnRightButtonDown(int x, int y) = 0;
    virtual void OnRightButtonUp(int x, int y) = 0;
    virtual void OnMouseMove(int x, int y) = 0;
    // The window gained or lost the focus.
    virtual void OnActivate() = 0;
};
