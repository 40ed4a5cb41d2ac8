#include "ScreenMockup.h"

#include <map>
#include <string>
#include <utility>

#include "Random.h"

namespace {

constexpr int kWidth = 625;
constexpr int kHeight = 440;

class Screen {
  public:
    explicit Screen(const ArtworkSet& set)
        : set_(set), surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight)) {
        cr_ = cairo_create(surface_.get());
    }
    ~Screen() { cairo_destroy(cr_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    void Draw(const std::string& name, double x, double y) {
        cairo_surface_t* picture = set_.Find(name);
        if (!picture)
            return;
        cairo_set_source_surface(cr_, picture, x, y);
        cairo_paint(cr_);
    }

    // The bottom `rows` rows of a picture, as the level bar fills.
    void DrawBottom(const std::string& name, double x, double y, int rows) {
        cairo_surface_t* picture = set_.Find(name);
        if (!picture)
            return;
        const int height = cairo_image_surface_get_height(picture);
        cairo_save(cr_);
        cairo_rectangle(cr_, x, y + height - rows, cairo_image_surface_get_width(picture), rows);
        cairo_clip(cr_);
        cairo_set_source_surface(cr_, picture, x, y);
        cairo_paint(cr_);
        cairo_restore(cr_);
    }

    // Text in font 1 or 2, placed as the game places it: starting at `left`,
    // or centred between left and right.
    void Text(int font, const std::string& text, int left, int top, int right = -1) {
        const int cell = font == 1 ? 16 : 32;
        const std::string name = font == 1 ? "Times Roman 10 Font" : "Times Roman 16 Font";
        const std::string widths = set_.Bytes("Data\\" + name + " Metrics.dat");
        cairo_surface_t* sheet = set_.Find(name + ".bmp");
        if (!sheet || widths.size() != 256)
            return;
        int x = left;
        if (right >= 0) {
            int total = 0;
            for (unsigned char c : text) total += widths[c];
            x = left + (right - left - total) / 2;
        }
        for (unsigned char c : text) {
            const int width = widths[c];
            const int sourceLeft = (c % 16) * cell + (cell - width) / 2;
            const int sourceTop = (c / 16) * cell;
            cairo_save(cr_);
            cairo_rectangle(cr_, x, top, width, cell);
            cairo_clip(cr_);
            cairo_set_source_surface(cr_, sheet, x - sourceLeft, top - sourceTop);
            cairo_paint(cr_);
            cairo_restore(cr_);
            x += width;
        }
    }

    SurfacePtr Take() {
        cairo_surface_flush(surface_.get());
        return std::move(surface_);
    }

  private:
    const ArtworkSet& set_;
    SurfacePtr surface_;
    cairo_t* cr_;
};

const char* const kColours[] = {"Blue", "Green", "Red", "Yellow", "Purple", "White"};

// A random board; `special` names the picture of some cells by (column, row).
void Board(Screen& screen, uint32_t seed,
           const std::map<std::pair<int, int>, std::string>& special) {
    Random random(seed);
    for (int row = 0; row < 10; ++row) {
        for (int col = 0; col < 10; ++col) {
            std::string picture = std::string(kColours[random.Next() % 6]) + " Vlim Standard 1.bmp";
            const auto found = special.find({col, row});
            if (found != special.end())
                picture = found->second;
            screen.Draw(picture, 20 + 40 * col, 20 + 40 * row);
        }
    }
}

void Panel(Screen& screen, bool rotational, int level, int score, int fill) {
    screen.Draw("Level Bar.bmp", 425, 20);
    screen.DrawBottom("Level Bar Filled.bmp", 425, 20, fill);
    screen.Draw("Hint Button.bmp", 460, 100);
    screen.Draw(rotational ? "N Type Button.bmp" : "N Type Button Pushed.bmp", 460, 240);
    screen.Draw(rotational ? "R Type Button Pushed.bmp" : "R Type Button.bmp", 535, 240);
    screen.Draw("New Game Button.bmp", 460, 330);
    screen.Draw("End Button.bmp", 460, 380);
    screen.Text(2, "Level " + std::to_string(level), 465, 280, 610);
    screen.Text(2, "Score " + std::to_string(score), 465, 300, 610);
}

SurfacePtr Start(const ArtworkSet& set) {
    Screen screen(set);
    screen.Draw("Background Startup.bmp", 0, 0);
    screen.Draw("Play Game Button Pushed.bmp", 325, 100);
    screen.Draw("Resume Button.bmp", 325, 150);
    screen.Draw("High Scores Button.bmp", 325, 200);
    screen.Draw("Help Button.bmp", 325, 250);
    screen.Draw("Normal.bmp", 120, 110);
    return screen.Take();
}

SurfacePtr PlayNormal(const ArtworkSet& set) {
    Screen screen(set);
    screen.Draw("Background.bmp", 0, 0);
    // The first game: its demonstration row under the start help, one piece
    // picked and one under the pointer.
    const std::string white = "White Vlim Standard 1.bmp";
    Board(screen, 7,
          {{{3, 4}, white},
           {{4, 4}, white},
           {{5, 4}, white},
           {{6, 4}, "Red Vlim Standard 1.bmp"},
           {{7, 4}, white},
           {{2, 6}, "Yellow Vlim Scared 1.bmp"},
           {{4, 3}, "Blue Vlim Emotion 2.bmp"}});
    screen.Draw("Select.bmp", 20 + 40 * 2, 20 + 40 * 6);
    screen.Draw("250 Points.bmp", 120, 90);
    screen.Draw("Start Help.bmp", 220, 45);
    screen.Text(1, "Vlim lines can be straight or diagonal!", 5, 1, 400);
    Panel(screen, false, 3, 4250, 250);
    return screen.Take();
}

SurfacePtr PlayRotational(const ArtworkSet& set) {
    Screen screen(set);
    screen.Draw("Background.bmp", 0, 0);
    // A hint on show, with the start help of the first game.
    Board(screen, 11, {{{7, 8}, "Green Vlim Scared 1.bmp"}, {{8, 7}, "Red Vlim Scared 2.bmp"}});
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const bool current = r == 4 && c == 5;
            screen.Draw(current ? "Rotate Button Pushed.bmp" : "Rotate Button.bmp",
                        20 + 40 * c - 10, 20 + 40 * r - 10);
        }
    }
    screen.Draw("5000 Points.bmp", 260, 300);
    screen.Draw("Start Help 2.bmp", 140, 140);
    Panel(screen, true, 12, 98765, 390);
    return screen.Take();
}

SurfacePtr Scores(const ArtworkSet& set) {
    Screen screen(set);
    screen.Draw("Background Score.bmp", 0, 0);
    screen.Text(1, "Normal Game", 50, 55, 300);
    screen.Text(1, "Rotational Game", 340, 55, 590);
    const char* const names[] = {"Ada",      "Benedikt", "Chloé", "Dmitri", "Eun-ji",
                                 "François", "Gustav",   "Hanna", "Ines",   "Jorge"};
    const std::string widths = set.Bytes("Data\\Times Roman 10 Font Metrics.dat");
    for (int n = 1; n <= 10; ++n) {
        const int y = 80 + 20 * (n - 1);
        const std::string stripe = n % 2 == 1 ? "Name 1.bmp" : "Name 2.bmp";
        for (int left : {50, 320}) {
            screen.Draw(stripe, left, y);
            screen.Text(1, std::to_string(n) + ".", left, y);
            // Latin-1 names, as the name dialog stores them.
            std::string name;
            for (size_t i = 0; names[n - 1][i]; ++i) {
                const unsigned char c = static_cast<unsigned char>(names[n - 1][i]);
                if (c == 0xc3) {
                    name.push_back(
                        char(0xc0 | (static_cast<unsigned char>(names[n - 1][++i]) & 0x3f)));
                } else {
                    name.push_back(char(c));
                }
            }
            screen.Text(1, name, left + 33, y);
            const std::string score = std::to_string(60000 / n);
            int width = 0;
            for (unsigned char c : score) width += widths.size() == 256 ? widths[c] : 0;
            screen.Text(1, score, (left == 50 ? 300 : 570) - width, y);
        }
    }
    screen.Draw("Menu Button.bmp", 375, 340);
    screen.Draw("Easy.bmp", 130, 290);
    return screen.Take();
}

}  // namespace

void ScreenMockup::AddTo(ArtworkSet& set) {
    set.AddPreview("Start screen (mock-up)", Start(set));
    set.AddPreview("Play screen, Normal Game (mock-up)", PlayNormal(set));
    set.AddPreview("Play screen, Rotational Game (mock-up)", PlayRotational(set));
    set.AddPreview("Score screen (mock-up)", Scores(set));
}
