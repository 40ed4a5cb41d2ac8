#pragma once
#include <vector>

// Synthesises the game's eight sound effects as raw samples at the WAV
// writer's rate. Levels are relative: the writer normalises the peaks.
class SoundSynth {
  public:
    using Samples = std::vector<double>;

    static Samples Click();        // a soft, short button tick
    static Samples Pop();          // a bubbly pop when a Vlim is picked
    static Samples Zoh();          // an airy whoosh for cleared lines and new boards
    static Samples Rotate();       // a quick rising whirr
    static Samples SwitchVlims();  // two tones trading places
    static Samples Score();        // a bright bell chime, about a second
    static Samples NextLevel();    // a short brass-like fanfare
    static Samples Wand();         // a shower of sparkles
};
