// Plays a scenario in a process of its own, for what ends the program (see runScenario):
//   mirvel_probe INI SCRIPT EXPECTED
#include "support/Scenario.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initResources();
    const QStringList args = QApplication::arguments();
    playApart(args.value(1), args.value(2), args.value(3));
}
