// The byte stream of a connection, read by StreamReader. The first two input bytes choose where
// the rest is cut into pieces, as the network may deliver it; the pieces must give the same events
// as the whole stream at once (the bytes of a file may come in other runs). Every frame and file
// header that was read, written again, reads back the same.

#include "FuzzCheck.h"
#include "net/Framing.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace marovane;
using net::StreamEvent;
using net::StreamReader;

namespace {

using Kind = StreamEvent::Kind;

// Takes every event the reader has, joining runs of file bytes; at the end of the stream a last
// 0xFF is judged a frame mark, as after a moment of quiet.
void Drain(StreamReader& reader, std::vector<StreamEvent>& events, bool quiet) {
    for (;;) {
        while (auto event = reader.Next()) {
            if (event->What == Kind::FileBytes && !events.empty() &&
                events.back().What == Kind::FileBytes)
                events.back().Text += event->Text;
            else
                events.push_back(std::move(*event));
        }
        if (!quiet || !reader.HasPendingMark())
            return;
        reader.JudgePendingMark();
    }
}

bool Same(const StreamEvent& a, const StreamEvent& b) {
    return a.What == b.What && a.Text == b.Text && a.Length == b.Length &&
           (a.What != Kind::Frame || a.Type == b.Type);
}

std::string Describe(const std::vector<StreamEvent>& events) {
    std::string text;
    for (const StreamEvent& e : events)
        text +=
            std::to_string(static_cast<int>(e.What)) + "/" + std::to_string(e.Text.size()) + " ";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    uint32_t cuts = data[0] * 256u + data[1] + 1;
    const std::string_view stream(reinterpret_cast<const char*>(data) + 2, size - 2);

    std::vector<StreamEvent> whole;
    StreamReader all;
    all.Feed(stream);
    Drain(all, whole, true);

    std::vector<StreamEvent> pieces;
    StreamReader cut;
    for (size_t at = 0; at < stream.size();) {
        cuts = cuts * 1103515245u + 12345u;
        const size_t length = std::min<size_t>(stream.size() - at, (cuts >> 16) % 9 + 1);
        cut.Feed(stream.substr(at, length));
        Drain(cut, pieces, false);
        at += length;
    }
    Drain(cut, pieces, true);

    bool same = whole.size() == pieces.size();
    for (size_t i = 0; same && i < whole.size(); ++i)
        same = Same(whole[i], pieces[i]);
    fuzz::Require(same, "the stream in pieces reads as the whole: ", [&] {
        return Describe(whole) + "| " + Describe(pieces);
    });

    for (const StreamEvent& event : whole) {
        std::string again;
        if (event.What == Kind::Frame)
            again = net::EncodeFrame(event.Type, event.Text);
        else if (event.What == Kind::FileStart)
            again = net::EncodeFileHeader(event.Text, event.Length);
        else
            continue;
        StreamReader reader;
        reader.Feed(again);
        std::vector<StreamEvent> read;
        Drain(reader, read, true);
        fuzz::Require(!read.empty() && Same(read.front(), event),
                      "a frame written again reads the same");
    }
    return 0;
}
