#include "ui/qt/qt_main.h"

int main(int argc, char** argv) { return quorvel::ui::qt::RunQuorvel(argc, argv); }
