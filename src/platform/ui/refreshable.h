#pragma once
// A child window of the main window and what the frame tells it.
class Refreshable
{
  public:
    virtual ~Refreshable() = default;
    // Lists catch up with what a dialog or another window has just changed: runs each time the
    // child becomes active and each time the frame is activated again (the focus came back from
    // another program, a dialog closed).
    virtual void Re_view() = 0;
    // The child has become the active one after another child window, or has just opened. The
    // frame getting the focus back, or a dialog closing, does not count.
    virtual void ActivatedAfterOtherChild() {}
};
