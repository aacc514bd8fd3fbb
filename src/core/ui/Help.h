#pragma once
// The on-line help: Italian topics compiled into the program, one page per window.
#include <QWidget>

namespace quorvane {

// Shows the help window at a topic (300 start-up, 310 main window, ...). An unknown topic
// shows the index of the topics.
void mostraHelp(int argomento);

// F1 in `finestra` opens the help at its topic.
void installaHelp(QWidget* finestra, int argomento);

// The topic the help window shows, or 0 when it is closed; for tests.
int argomentoHelpMostrato();

}  // namespace quorvane
