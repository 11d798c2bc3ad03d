#pragma once

class QWidget;

// Moves a top-level window, frame included, to the centre of its screen's free area.
void centreOnScreen(QWidget &window);

// Centres the window when it is first shown; later the user's moves stand.
void centreWhenFirstShown(QWidget &window);
