// Tells the page that something happened, from any thread, without waiting for it: the page's
// thread runs Module.dulmNotify(kind, window, arg) when it next can.
#pragma once

namespace dulm::web {

enum class Note {
    CanvasChanged = 1,  // a window's picture changed
    StateChanged = 2,   // its status text or a command's state changed
    Ask = 3,            // arg: a request to show (dialog or message box)
    Drop = 4,           // arg: a request the window no longer waits for
    Help = 5,           // arg: the help context to open
    Capture = 6,        // arg: 1 the window takes the mouse, 0 it lets it go
    Refused = 7,        // the document refused to open: the window closes itself
    Closed = 8,         // the window's view has ended and its window may go
    Rested = 9,         // a window opened from a link has come to rest
    Printed = 10,       // the picture for the page is ready (Shell::PrintFrame)
};

void Notify(Note note, int window, int arg = 0);

}  // namespace dulm::web
