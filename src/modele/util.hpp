#pragma once

// Sizes the console to 110 x 45 and titles it; called once before anything is drawn.
void initConsoleJeu();
