#pragma once

// The mouse pointer of the desktop during a long piece of work: the hourglass
// from `begin` to the matching `end`. Calls may nest.
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

// Shows the hourglass for its own lifetime. A platform without a pointer
// (a run without a window) gives none, and nothing is shown.
class Hourglass {
public:
    explicit Hourglass(BusyPointer *pointer) : pointer_(pointer)
    {
        if (pointer_)
            pointer_->begin();
    }
    ~Hourglass()
    {
        if (pointer_)
            pointer_->end();
    }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;

private:
    BusyPointer *pointer_;
};
