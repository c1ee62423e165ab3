// The web pages where players publish their scores.
#pragma once

namespace tablerun::publishing {

inline constexpr const char* kChampionsPage = "https://champions.tablerun2002.example/";
inline constexpr const char* kOverallSubmissionPage = "https://champions.tablerun2002.example/submit/overall";
inline constexpr const char* kSingleGameSubmissionPage = "https://champions.tablerun2002.example/submit/single-game";

}  // namespace tablerun::publishing
