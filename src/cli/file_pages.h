// What `read`, `write` and `diff` share: the pages of a type that take part in its file, their
// chains run in tab order, the checks made before anything is built, the history of complete
// reads and the backup read before a write.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/chain_runner.h"
#include "cli/terminal_session.h"
#include "engine/container.h"

namespace rb::cli {

enum class Direction { Read, Write };

int exitStatusOf(const ChainResult& result);

// Index of each page that takes part in the file and has the chain asked for, in tab order.
std::vector<std::size_t> chainPages(engine::Container& container, Direction direction);

// An unknown type, the production page without its code, a type without a file: the status,
// after the reason went to `err`. `name` becomes "<command> <type>".
std::optional<int> refusedType(const std::string& type, const std::string& accessCode,
                               const std::string& command, std::ostream& err, std::string& name);

// "write lm52r: a.ini: not a lm52r configuration file, nothing sent: <why>".
std::string notThisTypesFile(const std::string& name, const std::string& file,
                             const std::string& type, const std::string& problem);

// Runs the read chain of every page that takes part in the file; kExitDone or the status of
// the chain that failed (its reason noted). The port is open; `container` takes the frames.
int readFilePages(TerminalSession& terminal, Runtime& runtime, engine::Container& container,
                  const std::string& name);

// A complete read of `type` goes into the history; a failure is noted. The entry's path.
std::optional<std::string> keepRead(TerminalSession& terminal, engine::Container& container,
                                    const std::string& type, const std::string& name);

// write --backup: the pages about to be written are read, on a container of their own, into
// the history before the first write frame. kExitDone, or the status of the failed read
// (kExitFileError when the history cannot keep it): then nothing may be written.
int backupBeforeWrite(TerminalSession& terminal, Runtime& runtime, const std::string& type,
                      const std::string& name);

}  // namespace rb::cli
