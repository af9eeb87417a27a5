// Level packs from the download server: the URL check, the file fetch and the bonus window's download run.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QProgressBar;
class QWidget;
class TPackList;

// Told of a pack's bytes as they come (total -1 when the server did not say); false stops the transfer.
using TPackProgress = std::function<bool(qint64 received, qint64 total)>;

// True when the URL answers a fresh GET with status 200 or 302. A URL without a scheme is tried with "http://".
bool CheckUrl(const QString& url);

// Copies the body of fileURL into FileName when CheckUrl passes on it and returns true; otherwise writes nothing and
// returns false. Only a readable ZIP archive within the pack bounds is kept: a body that is none, a transfer that
// breaks off, runs too long or too slowly, or brings more than 256 MiB leaves no file behind, and the reason, in
// Russian and naming the file, goes to *refusal when given. A transfer that progress stops leaves no file and no
// refusal. Throws std::runtime_error with the system's text when the local file cannot be created or written.
bool GetInetFile(const QString& fileURL, const QString& FileName, QString* refusal = nullptr,
                 const TPackProgress& progress = {});

// The server's base URL: key BaseUrl of section Server in "resources/server.ini", without trailing slashes, or
// DefaultBaseUrl when the file or the key is missing. Throws std::runtime_error when the file is there but unreadable.
QString DownloadBaseUrl();
extern const char* const DefaultBaseUrl;

// Pack n (1 to 100) on the server and in the data folder.
QString PackUrl(const QString& baseUrl, int n);
QString PackFileName(int n);

// The download button's run: packs 1 to 100 from DownloadBaseUrl into the data folder with the progress bar
// moving and, when packs is given, a row per pack with its own bar and a stop; then one box listing the bodies
// refused, if any. What came is installed at once; the outcome message names the themes it brought. The button is
// disabled meanwhile. Returns the found counter: -1 when the server did not answer, else the number of packs written.
int RunPackDownload(QWidget* button, QProgressBar* progress, TPackList* packs = nullptr);

// The outcome message of a run that wrote found packs bringing the named themes.
QString ArrivalMessage(int found, const QStringList& themes, bool stopped);
