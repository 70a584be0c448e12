#pragma once

#include <QUrl>
#include <QWidget>
#include <optional>

// The support page: an invitation to get in touch and a button that opens a
// mail to the support address in the user's mail program.
class SupportSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit SupportSettingsView(QWidget* parent = nullptr);

    // A mailto link with the subject and body encoded as a URL query; none when
    // the result is not a valid link.
    static std::optional<QUrl> mailLink(const QString& address, const QString& subject,
                                        const QString& body);
};
