#include "Catalogue.h"

#include <functional>
#include <string>

#include "BackgroundPainter.h"
#include "ButtonPainter.h"
#include "FontSheet.h"
#include "PicturePainter.h"
#include "SoundSynth.h"
#include "VlimPainter.h"
#include "WavWriter.h"

namespace {

const std::string kGui = "Graphics\\Gui\\";

void Picture(ArtworkSet& set, const std::string& gamePath, int width, int height,
             const std::function<void(Canvas&)>& paint) {
    Canvas canvas(width, height);
    paint(canvas);
    set.SavePicture(gamePath, canvas);
}

void Button(ArtworkSet& set, const std::string& name, const Colour& colour, int width, int height,
            double fontSize, const std::string& label) {
    for (bool pushed : {false, true}) {
        Picture(set, kGui + name + (pushed ? " Pushed" : "") + ".bmp", width, height,
                [&](Canvas& c) { ButtonPainter::Labelled(c, label, colour, pushed, fontSize); });
    }
}

const char* MoodName(VlimPainter::Mood mood) {
    switch (mood) {
        case VlimPainter::Mood::Standard:
            return "Standard";
        case VlimPainter::Mood::Emotion:
            return "Emotion";
        case VlimPainter::Mood::Scared:
            return "Scared";
    }
    return "";
}

void Font(ArtworkSet& set, const std::string& name, const FontSheet::Style& style) {
    const int size = style.cell * 16;
    Canvas canvas(size, size);
    const FontSheet::Widths widths = FontSheet::Paint(canvas, style);
    set.SavePicture(kGui + name + ".bmp", canvas);
    set.SaveBytes("Data\\" + name + " Metrics.dat",
                  std::string(reinterpret_cast<const char*>(widths.data()), widths.size()));
}

}  // namespace

void Catalogue::Vlims(ArtworkSet& set) {
    using Mood = VlimPainter::Mood;
    for (VlimPainter::Kind kind : VlimPainter::kKinds) {
        for (Mood mood : {Mood::Standard, Mood::Emotion, Mood::Scared}) {
            for (int frame = 0; frame < VlimPainter::FrameCount(kind, mood); ++frame) {
                const std::string path = "Graphics\\Vlims\\" + VlimPainter::Name(kind) + " Vlim " +
                                         MoodName(mood) + " " + std::to_string(frame + 1) + ".bmp";
                Picture(set, path, 40, 40, [&](Canvas& c) {
                    c.SetMatte(BackgroundPainter::WellColour(), 0.45);
                    VlimPainter::Paint(c.Context(), kind, mood, frame);
                });
            }
        }
    }
}

void Catalogue::Interface(ArtworkSet& set) {
    Picture(set, kGui + "Background.bmp", 625, 440, BackgroundPainter::Play);
    Picture(set, kGui + "Background Startup.bmp", 625, 440, BackgroundPainter::Startup);
    Picture(set, kGui + "Background Score.bmp", 625, 440, BackgroundPainter::Score);

    Button(set, "Play Game Button", ButtonPainter::Green(), 150, 40, 18, "Play Game");
    Button(set, "Resume Button", ButtonPainter::Blue(), 150, 40, 18, "Resume Game");
    Button(set, "High Scores Button", ButtonPainter::Purple(), 150, 40, 18, "High Scores");
    Button(set, "Help Button", ButtonPainter::Teal(), 150, 40, 18, "Help");
    Button(set, "New Game Button", ButtonPainter::Green(), 150, 40, 18, "New Game");
    Button(set, "End Button", ButtonPainter::Red(), 150, 40, 18, "End");
    Button(set, "Menu Button", ButtonPainter::Blue(), 150, 40, 18, "Menu");
    for (const auto& [name, label] :
         {std::pair{"N Type Button", "Swap"}, {"R Type Button", "Turn"}}) {
        for (bool selected : {false, true}) {
            Picture(set, kGui + name + (selected ? " Pushed" : "") + ".bmp", 75, 35,
                    [&](Canvas& c) {
                        ButtonPainter::Choice(c, label, ButtonPainter::Orange(), selected, 14);
                    });
        }
    }
    for (bool pushed : {false, true}) {
        Picture(set, kGui + (pushed ? "Hint Button Pushed.bmp" : "Hint Button.bmp"), 150, 125,
                [&](Canvas& c) { ButtonPainter::Hint(c, pushed); });
    }
    for (bool pushed : {false, true}) {
        Picture(set, kGui + (pushed ? "Rotate Button Pushed.bmp" : "Rotate Button.bmp"), 20, 20,
                [&](Canvas& c) { ButtonPainter::Rotate(c, pushed); });
    }

    static const char* const kDifficulties[] = {"Easy", "Normal", "Hard"};
    for (int d = 1; d <= 3; ++d) {
        Picture(set, kGui + kDifficulties[d - 1] + ".bmp", 150, 150,
                [&](Canvas& c) { PicturePainter::Difficulty(c, d); });
    }
    Picture(set, kGui + "Select.bmp", 40, 40, PicturePainter::Select);
    Picture(set, kGui + "Start Help.bmp", 160, 160, PicturePainter::StartHelpSwap);
    Picture(set, kGui + "Start Help 2.bmp", 160, 160,
            [](Canvas& c) { PicturePainter::StartHelpTurn(c); });
    Picture(set, kGui + "No Moves Left.bmp", 200, 50, PicturePainter::NoMovesLeft);
    for (int points : {25, 50, 100, 250, 500, 1000, 5000}) {
        Picture(set, kGui + std::to_string(points) + " Points.bmp", 100, 40,
                [&](Canvas& c) { PicturePainter::Points(c, points); });
    }
    Picture(set, kGui + "Level Bar.bmp", 25, 400,
            [](Canvas& c) { PicturePainter::LevelBar(c, false); });
    Picture(set, kGui + "Level Bar Filled.bmp", 25, 400,
            [](Canvas& c) { PicturePainter::LevelBar(c, true); });
    Picture(set, kGui + "Name 1.bmp", 250, 20, [](Canvas& c) { PicturePainter::NameStripe(c, 1); });
    Picture(set, kGui + "Name 2.bmp", 250, 20, [](Canvas& c) { PicturePainter::NameStripe(c, 2); });
    Picture(set, kGui + "Icon.bmp", 32, 32, PicturePainter::Icon);
    // For a window the desktop's scale enlarges.
    Picture(set, kGui + "Icon Large.bmp", 64, 64, PicturePainter::Icon);
}

void Catalogue::Fonts(ArtworkSet& set) {
    Font(set, "Times Roman 10 Font", FontSheet::Style{"Liberation Serif", true, 13, 16, 0});
    Font(set, "Times Roman 16 Font", FontSheet::Style{"Liberation Serif", true, 21, 32, 2});
}

void Catalogue::Sounds(ArtworkSet& set) {
    const std::pair<const char*, SoundSynth::Samples (*)()> sounds[] = {
        {"Click", SoundSynth::Click},
        {"Pop", SoundSynth::Pop},
        {"Zoh", SoundSynth::Zoh},
        {"Rotate", SoundSynth::Rotate},
        {"Switch Vlims", SoundSynth::SwitchVlims},
        {"Score", SoundSynth::Score},
        {"Next Level 1", SoundSynth::NextLevel},
        {"Wand", SoundSynth::Wand},
    };
    for (const auto& [name, make] : sounds) {
        set.SaveBytes(std::string("Sounds\\") + name + ".wav", WavWriter::Encode(make()));
    }
}
