#pragma once
// A child window with a public refresh. The main window calls Re_view on the active child each
// time the frame is activated, so lists catch up with what a dialog has just changed.
class Refreshable
{
  public:
    virtual ~Refreshable() = default;
    virtual void Re_view() = 0;
};
