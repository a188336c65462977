#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// The ffmpeg child that encodes the movie: started by startChild (no shell, none of the engine's
// other descriptors), raw frames written to its standard input, its messages going to the
// engine's standard error. It dies with the engine (PR_SET_PDEATHSIG), and is ended only by its
// own process id.
class EncoderPipe
{
public:
    EncoderPipe() = default;
    ~EncoderPipe();
    EncoderPipe(const EncoderPipe &) = delete;
    EncoderPipe &operator=(const EncoderPipe &) = delete;

    // args[0] is the program word the child sees; program is looked up in PATH. False, with
    // errorText() saying why, when the program does not run (not found, not executable): such a
    // start is told apart from an encoder that ran and exited with 127.
    bool start(const std::string &program, const std::vector<std::string> &args);
    // Writes all of data; false when the encoder is gone or a stop was asked for meanwhile.
    bool write(const void *data, size_t size, bool (*stopRequested)());
    // Ends the input and waits for the encoder; its exit status (128 + signal when killed), or -1
    // with errorText() set when its end could not be read. A stop asked for while it finishes
    // kills it.
    int finish(bool (*stopRequested)());
    // Kills the encoder at once and waits for it.
    void kill();

    const std::string &errorText() const { return errorText_; }

private:
    int wait(bool (*stopRequested)() = nullptr);

    pid_t pid_ = -1;
    int input_ = -1;
    std::string errorText_;
};
