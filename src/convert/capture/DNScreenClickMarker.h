#pragma once

// Shows where the pointer clicks while a recording runs (the recorder draws the pointer, the
// marker the clicks); the windows provide one, the recorder starts and ends it with each
// recording when clicks are to be captured.
class DNScreenClickMarker
{
public:
    virtual ~DNScreenClickMarker() = default;
    virtual void startMarking() = 0;
    virtual void stopMarking() = 0;
};
