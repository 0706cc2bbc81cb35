#pragma once
#include <cstddef>
#include <string_view>
#include <type_traits>

namespace pellox {

template <typename MemberPointer>
struct MemberOf;
template <typename T, typename Owner>
struct MemberOf<T Owner::*> {
    using type = T;
};
// The type of the member a member pointer designates.
template <auto Member>
using MemberType = typename MemberOf<decltype(Member)>::type;

// One setting as its owner declares it: its member in the stored form, its observed member, and the one
// name under which it is announced and stored. The stored form's member gives its type and default.
template <auto StoredMember, auto ObservedMember>
struct SettingField {
    static constexpr auto stored = StoredMember;
    static constexpr auto observed = ObservedMember;
    using Stored = MemberType<StoredMember>;

    std::string_view name;
};

namespace detail {
// Converts to anything, so that it can stand for any member of an aggregate; only named, never called.
struct AnyMember {
    template <typename T>
    operator T() const;
};

template <typename Aggregate, typename... Members>
consteval std::size_t countMembers() {
    if constexpr (requires { Aggregate{Members{}..., AnyMember{}}; })
        return countMembers<Aggregate, Members..., AnyMember>();
    else
        return sizeof...(Members);
}
}  // namespace detail

// The number of direct members of an aggregate, for a table that must name each of them once.
template <typename Aggregate>
consteval std::size_t aggregateMemberCount() {
    static_assert(std::is_aggregate_v<Aggregate>);
    return detail::countMembers<Aggregate>();
}

}  // namespace pellox
