#include "calc/form1.h"

namespace quorvel::calc {

#define QUORVEL_DEFINE_MEMORY(button) \
    void TForm1::button##Click() {}   \
    void TForm1::button##MouseEnter() {}  // NOLINT(cppcoreguidelines-macro-usage)
QUORVEL_MEMORY_BUTTONS(QUORVEL_DEFINE_MEMORY)
#undef QUORVEL_DEFINE_MEMORY

}  // namespace quorvel::calc
