#pragma once

namespace quiz::credits {

// The people and addresses named in the info and farewell boxes (all invented).
inline constexpr const char* questionAuthor = "Mareike Oldenstedt";
inline constexpr const char* fanSite = "www.velmora-fanclub.example.org";
inline constexpr const char* fanMail = "quiz@velmora-fanclub.example.org";
inline constexpr const char* programmer = "Jannik Sörensen";
inline constexpr const char* programmerTag = "JS";
inline constexpr const char* programmerMail = "jannik@soerensen.example.org";
inline constexpr const char* programmerWeb = "www.soerensen.example.org";

}  // namespace quiz::credits
