#include "mainwindow/Twips.h"
#include "platform/window/Screen.h"

int Twips::fromPixelsX(int px) const { return px * screen_.twipsPerPixelX(); }
int Twips::fromPixelsY(int px) const { return px * screen_.twipsPerPixelY(); }
int Twips::toPixelsX(int twips) const { return twips / screen_.twipsPerPixelX(); }
int Twips::toPixelsY(int twips) const { return twips / screen_.twipsPerPixelY(); }
