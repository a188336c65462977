#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Cuts a stream that comes in chunks (pipe or socket reads) into lines, for the engines' and the
// player's output and the player's socket messages alike. A line ends at any one of the break
// characters, so "\r\n" ends one line (the empty one between the two is left out, as every empty
// line is), also when a read ends between the two. A line cut by the end of a read waits for the
// rest of it. A line is held to a bound: an engine or a player that writes on without a line
// break (a stream sent to the wrong pipe, a runaway message) must not grow this process's memory
// without end. The first `mostLine` characters of a longer line are handed on as one line, the
// moment they are there, and the rest of it, up to its line break, is dropped, whether that break
// comes in the same read or many reads later.
//
// Char is char for bytes, char16_t for text already decoded (the player's status lines).
template <typename Char>
class LineSplitter
{
public:
    using View = std::basic_string_view<Char>;

    // breaks must outlive the splitter (a literal).
    LineSplitter(std::size_t mostLine, View breaks) : m_most(mostLine), m_breaks(breaks) {}

    template <typename F>
    void feed(View chunk, F &&onLine)
    {
        while (!chunk.empty()) {
            const std::size_t end = chunk.find_first_of(m_breaks);
            if (!m_cutting) {
                const View piece = chunk.substr(0, end);
                const std::size_t room = m_most - m_pending.size();
                m_pending.append(piece.substr(0, room));
                if (piece.size() >= room) {
                    // The line is full: it ends here, and what follows of it goes.
                    onLine(View(m_pending));
                    m_pending.clear();
                    m_cutting = true;
                }
            }
            if (end == View::npos)
                return;
            if (!m_pending.empty())
                onLine(View(m_pending));
            m_pending.clear();
            m_cutting = false;
            chunk.remove_prefix(end + 1);
        }
    }

    // The unfinished last line, when the stream ended without a line break; starts afresh.
    template <typename F>
    void finish(F &&onLine)
    {
        if (!m_pending.empty())
            onLine(View(m_pending));
        m_pending.clear();
        m_cutting = false;
    }

    // The memory held for the unfinished line, in characters.
    std::size_t bufferedCharacters() const { return m_pending.capacity(); }

private:
    std::size_t m_most;
    View m_breaks;
    std::basic_string<Char> m_pending;
    bool m_cutting = false;   // the rest of an overlong line is being dropped
};

// The lines of an engine's or a companion's output: bytes, ending at "\n" or "\r".
class OutputLineSplitter : public LineSplitter<char>
{
public:
    // Longer than any path (PATH_MAX) with the words that the engines and companions write
    // around one on a line.
    static constexpr std::size_t kMostLineBytes = 16 * 1024;
    static constexpr std::string_view kBreaks = "\n\r";

    explicit OutputLineSplitter(std::size_t mostLineBytes = kMostLineBytes)
        : LineSplitter<char>(mostLineBytes, kBreaks)
    {
    }

    // The memory held for the unfinished line.
    std::size_t bufferedBytes() const { return bufferedCharacters(); }
};
