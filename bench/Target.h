// What every floor calls: an object behind a pointer the compiler cannot
// see through, called with an argument and answering, as a callback or a
// listener is. Its class is open and its call defined in another file, so
// that a floor's virtual call stays a virtual call: within one file, a
// class no other file can derive from lets the compiler call, or inline,
// the one definition directly.
#ifndef BENCH_TARGET_H
#define BENCH_TARGET_H

namespace bench {

class Target
{
public:
    virtual ~Target();
    virtual bool call(long long argument);
};

} // namespace bench

#endif // BENCH_TARGET_H
