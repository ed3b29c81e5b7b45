#include "toolkits/registry.h"
#ifdef QUORVEL_HAVE_WIN32
#include "toolkits/win32/win32_program.h"
#else
#include "toolkits/qt/qt_program.h"
#endif

namespace quorvel::toolkits {

const ProgramMaker& DesktopProgram() {
#ifdef QUORVEL_HAVE_WIN32
    static constexpr ProgramMaker kProgram{"win32", &ui::win32::MakeWin32Program};
#else
    static constexpr ProgramMaker kProgram{"qt", &ui::qt::MakeQtProgram};
#endif
    return kProgram;
}

}  // namespace quorvel::toolkits
