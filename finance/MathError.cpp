#include "Fpu.h"

namespace plumcrest::fpu {

void RaiseZeroDivide() {
    throw EZeroDivide();
}
void RaiseInvalidOp() {
    throw EInvalidOp();
}
void RaiseOverflow() {
    throw EOverflow();
}

} // namespace plumcrest::fpu
