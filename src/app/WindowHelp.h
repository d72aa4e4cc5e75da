#pragma once

class QWidget;

namespace velmora {

// The main window's keyboard and help layer, laid over the frames by their controls' names:
// the tab order in reading order, the buttons' Alt shortcuts (the captions keep their text),
// and a short tooltip for every caption, button, spinner and list that needs explaining.
void ApplyWindowHelp(QWidget& window);

}  // namespace velmora
