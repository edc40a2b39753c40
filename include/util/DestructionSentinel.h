#ifndef ORVANE_UTIL_DESTRUCTIONSENTINEL_H
#define ORVANE_UTIL_DESTRUCTIONSENTINEL_H

namespace orvane {
namespace sdk {
namespace util {

// Tells code that calls out of an object whether the object survived the
// call. The object holds a sentinel as a member; the code keeps a Watch on the
// stack around the calls that may destroy the object (a listener closing its
// window, an engine callback deleting a page) and, once destroyed() is true,
// touches nothing of the object again. Watches nest; everything runs on one
// thread.
//
//   const util::DestructionSentinel::Watch watch(m_sentinel);
//   m_manager->deletePage(*this);
//   if (watch.destroyed())
//       return;
class DestructionSentinel
{
public:
    // A watch on one sentinel, kept on the stack around calls that may destroy
    // its object.
    class Watch
    {
    public:
        // Starts watching `sentinel`, inside any watch already on it.
        explicit Watch(const DestructionSentinel& sentinel)
            : m_sentinel(&sentinel), m_outer(sentinel.m_innermost), m_destroyed(false)
        {
            sentinel.m_innermost = this;
        }
        // Stops watching; does nothing more once the object is gone.
        ~Watch()
        {
            if (!m_destroyed)
                m_sentinel->m_innermost = m_outer;
        }
        // Not copyable: it lives in one scope.
        Watch(const Watch&) = delete;
        // Not copyable.
        Watch& operator=(const Watch&) = delete;

        // Whether the watched object was destroyed since the watch began.
        bool destroyed() const { return m_destroyed; }

    private:
        friend class DestructionSentinel;
        const DestructionSentinel* m_sentinel;
        Watch* m_outer;
        bool m_destroyed;
    };

    // A sentinel with no watch.
    DestructionSentinel() = default;
    // A copy is a new object: no watch is on it.
    DestructionSentinel(const DestructionSentinel&) {}
    // Keeps its own watches: assignment does not move them.
    DestructionSentinel& operator=(const DestructionSentinel&) { return *this; }
    // Marks every watch on it destroyed.
    ~DestructionSentinel()
    {
        for (Watch* watch = m_innermost; watch != nullptr; watch = watch->m_outer)
            watch->m_destroyed = true;
    }

private:
    mutable Watch* m_innermost = nullptr;
};

} // namespace util
} // namespace sdk
} // namespace orvane

#endif // ORVANE_UTIL_DESTRUCTIONSENTINEL_H
