// `radiobench-cli read` and `radiobench-cli write`: the pages' own read and write chains, run
// without a window, and the container's file exactly as "存储文件" / "打开文件" handle it.
//
//   radiobench-cli read lm52r --port sim --out a.ini
//       runs the read chain of every page that takes part in the file, in tab order, then
//       stores the file (section, keys and format of "存储文件"); nothing is written unless
//       every chain succeeded.
//   radiobench-cli write lm52r --port /dev/ttyUSB0 --in a.ini --yes
//       loads the file as "打开文件" does, then runs the write chains of those pages in order;
//       "确认写录数据?" is asked once on the terminal unless --yes.
//   radiobench-cli write lm52r --port sim --in a.ini --yes --verify
//       after each write chain runs the page's matching read chain and compares every field
//       with what was written: one line per field that differs (label, written, read), exit
//       status 6 when any does.
//
//   radiobench-cli write lm52r --port sim --in a.ini --yes --backup
//       before the first write frame reads every page into the read history (read_history.h);
//       a failed read writes nothing (exit 1).
// Every complete `read` is kept in the read history too.
//
// Progress: one line per answer on standard error (the page's success text). Exit statuses in
// exit_status.h.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/runtime.h"
#include "cli/terminal_session.h"

namespace CLI {
class App;
}

namespace rb::cli {

struct ChainOptions {
    std::string type;  // TYPE
    PortOptions port;
    std::string file;  // --out for read, --in for write
    ConfirmOptions confirm;
    bool verify = false;       // write: read every page back and compare
    bool backup = false;       // write: read the terminal into the history first
    std::string accessCode{};  // protest: the production-test code
};

int runReadCommand(const ChainOptions& options, Runtime& runtime, std::ostream& err);
int runWriteCommand(const ChainOptions& options, Runtime& runtime, std::ostream& err);

void addReadCommand(CLI::App& app);
void addWriteCommand(CLI::App& app);

}  // namespace rb::cli
