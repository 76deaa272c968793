#include "platform/ui/StdCtrlConsts.h"

namespace plat {

const TResStringRec SMaskEditErr{64200, "Invalid input value.  Use escape key to abandon changes"};

namespace {
const TResStringRec* const kTable[] = {&SMaskEditErr};
}  // namespace

std::span<const TResStringRec* const> StdCtrlResStringTable() { return kTable; }

}  // namespace plat
