// Writes seed inputs for the harnesses from the simulated terminals' real answers: every read
// chain of every built container runs against its family's simulated terminal, and what the
// terminal sent back becomes a container_fuzz input ("type byte, then 0 LEN BYTES" per answer)
// and a frame_reader_fuzz input; the configuration file the container then stores, cut into
// pieces of a few lines, gives the ini_fuzz inputs. Run by scripts/fuzz.sh.
//
//   fuzz_seeds OUTDIR
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/container.h"
#include "engine/page.h"
#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/catalog/catalog.h"
#include "sim/terminal.h"
#include "wire/frame_reader.h"

namespace {

using namespace rb;

// Answers every frame written with the family's simulated terminal, at once.
class SimEchoLink : public engine::Link {
public:
    SimEchoLink(std::unique_ptr<sim::Terminal> t, std::vector<wire::Bytes>& log)
        : terminal_(std::move(t)), log_(log) {}
    bool isOpen() const override { return true; }
    void write(wire::ByteSpan bytes) override {
        for (const auto& slot : reader_.feed(bytes, now_)) {
            const wire::FrameView request(wire::ByteSpan(slot.data(), slot.size()));
            pending_.push_back(terminal_->answer(request));
        }
    }
    void close() override {}
    // Delivers what the terminal answered to the last requests.
    void flush() {
        auto batches = std::move(pending_);
        pending_.clear();
        for (auto& answers : batches) {
            for (auto& a : answers) {
                log_.push_back(a);
                deliver(a);
            }
        }
    }

private:
    std::unique_ptr<sim::Terminal> terminal_;
    std::vector<wire::Bytes>& log_;
    wire::FrameReader reader_;
    wire::Millis now_{0};
    std::vector<std::vector<wire::Bytes>> pending_;
};

void writeFile(const std::string& path, const wire::Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A stored file is cut at line ends into pieces of at most kIniPiece bytes (the harness takes
// 512, and small seeds let the fuzzer start from short inputs); a piece that starts inside a
// section starts with that section's header again. Returns the pieces written.
constexpr std::size_t kIniPiece = 256;

int writeIniPieces(const std::string& stem, const std::string& file) {
    int written = 0;
    std::string piece;
    std::string header;  // the current section's header line
    auto flush = [&] {
        writeFile(stem + "_" + std::to_string(written++), wire::Bytes(piece.begin(), piece.end()));
        piece.clear();
    };
    std::size_t start = 0;
    while (start < file.size()) {
        auto end = file.find('\n', start);
        end = end == std::string::npos ? file.size() : end + 1;
        const std::string line = file.substr(start, end - start);
        start = end;
        const bool isHeader = line.front() == '[';
        if (piece.size() + line.size() > kIniPiece && piece.size() > header.size()) {
            flush();
            if (!isHeader) piece = header;
        }
        if (isHeader) header = line;
        piece += line;
    }
    if (!piece.empty()) flush();
    return written;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUTDIR\n");
        return 2;
    }
    const std::string out = argv[1];
    for (const char* sub : {"", "/container_fuzz", "/frame_reader_fuzz", "/ini_fuzz"}) {
        ::mkdir((out + sub).c_str(), 0755);
    }
    // The order container_fuzz numbers the types in.
    const std::vector<std::string> keys = {"lm52r",  "netradio", "train",  "qx710",
                                           "wz4040", "lm520w",   "protest"};
    int seeds = 0;
    int iniSeeds = 0;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        engine::ManualTimers timers;
        engine::ScriptedPrompter prompter;
        engine::Session session(timers, prompter, engine::UserPaths::inDirectory("/tmp"));
        auto container = families::makeContainer(families::containerKeyOf(keys[k]), session);
        if (container) {
            container->showAs(keys[k]);  // "lm520w": the trunking container's relay face
            container->OnShow();
        }
        auto terminal = sim::makeTerminal(keys[k]);
        if (!container || !terminal) continue;
        std::vector<wire::Bytes> answers;
        SimEchoLink* link = nullptr;
        session.theComm.setOpener([&](const engine::PortRequest&) {
            engine::OpenResult r;
            auto l = std::make_unique<SimEchoLink>(std::move(terminal), answers);
            link = l.get();
            r.link = std::move(l);
            return r;
        });
        session.theComm.Open(1, 9600);
        session.theComm.SetWnd(container.get());
        for (std::size_t p = 0; p < container->pageCount(); ++p) {
            for (const auto& chain : container->page(p).fileReadChains()) {
                chain();
                for (int round = 0; round < 64 && link; ++round) link->flush();
                timers.advance(wire::Millis(5000));
            }
        }
        // The container harness counts the types it could build in the same order.
        wire::Bytes all;
        for (const auto& a : answers) {
            wire::Bytes seed{std::uint8_t(k)};
            seed.push_back(0);
            seed.push_back(std::uint8_t(std::min<std::size_t>(a.size(), 255)));
            seed.insert(seed.end(), a.begin(), a.end());
            writeFile(out + "/container_fuzz/" + keys[k] + "_" + std::to_string(seeds), seed);
            all.insert(all.end(), a.begin(), a.end());
            ++seeds;
        }
        if (!all.empty()) writeFile(out + "/frame_reader_fuzz/" + keys[k], all);
        // What was read, as the container stores it.
        const std::string stored = out + "/" + keys[k] + ".ini";
        if (container->config().fileButtons && container->storeFile(stored, false)) {
            iniSeeds += writeIniPieces(out + "/ini_fuzz/" + keys[k], readFile(stored));
        } else {
            std::printf("%s: has no configuration file\n", keys[k].c_str());
        }
        std::remove(stored.c_str());
    }
    std::printf("%d frame seeds, %d INI seeds\n", seeds, iniSeeds);
    return 0;
}
