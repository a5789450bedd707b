#pragma once

// Whether a screen reader is running now. The program leaves to it what it says itself (the
// focus), and never holds up the events it reads.
class ScreenReader
{
public:
    virtual ~ScreenReader() = default;
    virtual bool isRunning() const = 0;
};
