#pragma once
// Lines and rectangles of ASCII characters, in the current attribute.

void tracerLigneH(int px, int py, int plargeur);
void tracerLigneV(int px, int py, int phauteur);
void tracerRectangle(int px, int py, int plargeur, int phauteur);
