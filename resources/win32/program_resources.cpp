// Windows builds find the resources in the exe (zorn.rc); there is no table.
#include "resources/program_resources.h"

namespace zorn {

void RegisterProgramResources() {}

}  // namespace zorn
