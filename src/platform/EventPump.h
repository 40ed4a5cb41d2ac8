#pragma once
#include <cstdint>

class WindowEvents;

// The host's event queue, seen from the main loop.
class EventPump {
  public:
    // Takes the next waiting event, if any, and hands it to `events` when it
    // concerns the window `windowId` or the whole program (a quit request,
    // which SIGTERM makes: a close that shows its boxes on stderr alone).
    // Events of other windows are dropped. False when the queue was empty.
    static bool DispatchOne(uint32_t windowId, WindowEvents& events);

    // Sleeps until an event arrives or `milliseconds` have passed; the event
    // stays queued. This is what keeps an idle game from spinning. Called
    // with the queue drained (DispatchOne found it empty); on X it sleeps on
    // the display connection of the window `windowId`.
    static void WaitForEvent(uint32_t windowId, uint32_t milliseconds);
};
