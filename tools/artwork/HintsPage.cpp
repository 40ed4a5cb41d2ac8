#include "HintsPage.h"

#include <string>

#include "BackgroundPainter.h"
#include "ButtonPainter.h"
#include "PicturePainter.h"
#include "VlimPainter.h"

namespace {

const Colour kPageColour = Colour::Bytes(30, 36, 70);

// Every colour in every mood, twice the game's size.
void VlimChart(ArtworkSet& set) {
    using Mood = VlimPainter::Mood;
    constexpr int kCell = 80;
    Canvas canvas(kCell * 6, kCell * 3);
    canvas.SetMatte(kPageColour, 0.45);
    int column = 0;
    for (VlimPainter::Kind kind : VlimPainter::kKinds) {
        int row = 0;
        for (Mood mood : {Mood::Standard, Mood::Emotion, Mood::Scared}) {
            cairo_save(canvas.Context());
            cairo_translate(canvas.Context(), column * kCell, row * kCell);
            VlimPainter::Paint(canvas.Context(), kind, mood, mood == Mood::Emotion ? 1 : 0, 2.0);
            cairo_restore(canvas.Context());
            ++row;
        }
        ++column;
    }
    set.SavePng("Help\\Vlims.png", canvas);
}

void Copy(ArtworkSet& set, const char* gamePath, int width, int height, void (*paint)(Canvas&)) {
    Canvas canvas(width, height);
    paint(canvas);
    set.SavePng(gamePath, canvas);
}

void PointsStrip(ArtworkSet& set) {
    Canvas strip(100 * 7, 40);
    strip.SetMatte(kPageColour, 0.35);
    int x = 0;
    for (int points : {25, 50, 100, 250, 500, 1000, 5000}) {
        Canvas one(100, 40);
        PicturePainter::Points(one, points);
        cairo_set_source_surface(strip.Context(), one.Surface(), x, 0);
        cairo_paint(strip.Context());
        x += 100;
    }
    set.SavePng("Help\\Points.png", strip);
}

void DifficultyStrip(ArtworkSet& set) {
    Canvas strip(150 * 3 + 40, 150);
    strip.SetMatte(kPageColour, 0.5);
    for (int d = 1; d <= 3; ++d) {
        Canvas one(150, 150);
        PicturePainter::Difficulty(one, d);
        cairo_set_source_surface(strip.Context(), one.Surface(), (d - 1) * 170, 0);
        cairo_paint(strip.Context());
    }
    set.SavePng("Help\\Difficulty.png", strip);
}

const char* const kPage = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Vlims - Hints</title>
<style>
 body { background: #1e2446; color: #fff6de; font-family: "Liberation Sans", Arial, sans-serif;
        max-width: 760px; margin: 2em auto; padding: 0 1em; line-height: 1.5; }
 h1 { font-family: "Liberation Serif", Georgia, serif; color: #ffce54; font-size: 3em;
      margin-bottom: 0; text-shadow: 2px 2px #221434; }
 h2 { color: #ffce54; border-bottom: 1px solid #4a5290; padding-bottom: .2em; }
 img { display: block; margin: 1em auto; }
 .pair { display: flex; gap: 2em; justify-content: center; }
 table { border-collapse: collapse; margin: 1em auto; }
 td, th { padding: .25em 1em; border-bottom: 1px solid #3a4278; text-align: right; }
 .tip { background: #2a3262; border-radius: 10px; padding: .6em 1em; }
</style>
</head>
<body>
<h1>Vlims</h1>
<p><em>Hints and rules</em></p>

<h2>The Vlims</h2>
<p>The board is a 10 by 10 grid of Vlims in six colours. Each colour has its own shape, so
you can tell them apart by shape as well as by colour: Blue is a drop, Green has a sprout,
Red is spiky, Yellow is square with an antenna, Purple is a bell and White is a little ghost.
A Vlim cheers up when you point at it and gets scared, glowing, when you pick it.</p>
<img src="Vlims.png" width="480" height="240" alt="The six Vlims: calm, happy and scared">

<h2>Lines</h2>
<p>Four or more Vlims of one colour in a row make a line. <strong>Vlim lines can be
straight or diagonal!</strong> A line scores at once, its Vlims vanish and new ones grow in
their place. A move that makes no line is undone.</p>

<h2>Normal Game: swap</h2>
<div class="pair">
<img src="Swap.png" width="160" height="160" alt="Swapping two Vlims">
<p>Click a Vlim to pick it, then click one of its eight neighbours (up, down, left,
right or diagonal). The two trade places. Click another Vlim that is not a neighbour to
pick that one instead.</p>
</div>

<h2>Rotational Game: turn</h2>
<div class="pair">
<img src="Turn.png" width="160" height="160" alt="Turning four Vlims">
<p>Little round buttons sit on every inner corner of the grid. Click one and the four
Vlims around it turn one step clockwise. The <strong>Swap</strong> and <strong>Turn</strong>
buttons on the right switch between the two games; switching starts a new game.</p>
</div>

<h2>Scoring</h2>
<table>
<tr><th>Line length</th><th>Points</th></tr>
<tr><td>4</td><td>25</td></tr>
<tr><td>5</td><td>50</td></tr>
<tr><td>6</td><td>100</td></tr>
<tr><td>7</td><td>250</td></tr>
<tr><td>8</td><td>500</td></tr>
<tr><td>9</td><td>1000</td></tr>
<tr><td>10</td><td>5000</td></tr>
</table>
<img src="Points.png" width="700" height="40" alt="The points pictures">
<p>New Vlims can form lines of their own; they are scored by the next check, every two
seconds.</p>

<h2>Levels</h2>
<p>Level 1 is complete at 1000 points, level 2 at 2000 points scored on that level, and so
on: level L needs 1000 &times; L points. The bar beside the board fills as you score. A fresh
board is dealt for every level, and your score carries on.</p>

<h2>Hints</h2>
<div class="pair">
<img src="Hint.png" width="150" height="125" alt="The Hint button">
<p>Stuck? Press <strong>Hint</strong> and two Vlims that make a line glow and look scared: that is
your move. A hint costs 100 points when you have more than 100 points on the current level,
and is free otherwise.</p>
</div>
<p class="tip">When no move is left on the board, <em>No Moves Left</em> shows and a fresh
board is dealt. Your score and level stay.</p>

<h2>Difficulty</h2>
<img src="Difficulty.png" width="490" height="150" alt="Easy, Normal and Hard">
<p>Click the picture on the start screen (or on the high score screen) to choose. Easy deals
five colours and no White Vlims; Normal deals all six colours evenly; Hard deals White
Vlims far more often than any other colour. New Vlims that replace a line never include
White.</p>

<h2>Saving and high scores</h2>
<p>A game in progress is saved by itself when you leave it, even when you close the
window; <strong>Resume Game</strong> on the start screen brings it back. <strong>End</strong>
finishes the game: if your score is among the ten best of that game and difficulty, you are
asked for your name. <strong>High Scores</strong> shows both tables for the chosen
difficulty.</p>
</body>
</html>
)";

}  // namespace

void HintsPage::Write(ArtworkSet& set) {
    VlimChart(set);
    Copy(set, "Help\\Swap.png", 160, 160, PicturePainter::StartHelpSwap);
    Copy(set, "Help\\Turn.png", 160, 160,
         [](Canvas& c) { PicturePainter::StartHelpTurn(c, true); });
    Copy(set, "Help\\Hint.png", 150, 125, [](Canvas& c) { ButtonPainter::Hint(c, false); });
    PointsStrip(set);
    DifficultyStrip(set);
    set.SaveBytes("Help\\Hints.html", kPage);
}
