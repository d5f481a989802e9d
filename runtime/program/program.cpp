#include "runtime/program/program.h"

#include <memory>

#include "platform/event_loop.h"
#include "platform/message_box.h"
#include "resources/program_resources.h"
#include "runtime/program/main_scheme.h"
#include "runtime/start.h"

namespace zorn {

int RunProgram(const std::vector<std::string>& arguments) {
  if (!arguments.empty() && arguments[0] == "/ih") {
    platform::ShowUnownedMessageBox("Сделано в Vorant.", "Vorant Info");
    return 0;
  }
  RegisterProgramResources();
  std::unique_ptr<platform::TEventLoop> loop = platform::MakePlatformLoop();
  platform::SetEventLoop(loop.get());
  {
    TClassMainForm_Main scheme;
    StartDispatch();
    loop->Run();
  }
  platform::SetEventLoop(nullptr);
  return 0;
}

}  // namespace zorn
