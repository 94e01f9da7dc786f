#pragma once
// The program's public addresses, kept in one place.
constexpr const char* projectWebPage = "https://zandolin.org/";
constexpr const char* projectDownloadPage = "https://zandolin.org/download";
constexpr const char* projectContactMail = "mailto:team@zandolin.org";
constexpr const char* aviSynthWebPage = "http://avisynth.nl/";
