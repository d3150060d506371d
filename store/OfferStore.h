#pragma once
// The kept offers: an SQLite file ("offers.sqlite") beside the saved-values file, through Qt SQL.
// The schema carries its version in PRAGMA user_version and is brought up to date step by step
// from version 1 (Schema.h). Every change is one transaction, and a writer waits for another
// running copy rather than failing, so two copies keeping offers at once both keep theirs. A file
// that cannot be opened or read as a database is moved aside under a name with the time and a fresh
// one is started; nothing is deleted. A file this user may not open is not damaged: it is left as
// it is. Everything read back is checked against what typed input allows; an offer that fails is
// not shown and is counted in Notice(), the file left as it is.

#include "KeptOffer.h"
#include "Schema.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace plumcrest::store {

class OfferStore {
public:
    static constexpr const char* kFileName = "offers.sqlite";

    // `folder`: where the file lives (created when missing). Nothing is opened yet. `steps`: the
    // schema's steps, the shipped ones unless a test adds its own.
    explicit OfferStore(QString folder, std::vector<QString> steps = ShippedSchemaSteps());
    ~OfferStore();
    OfferStore(const OfferStore&) = delete;
    OfferStore& operator=(const OfferStore&) = delete;

    // Opens the file, creating or bringing it up to date. False when the store cannot be used;
    // Error() then says why in words for the user. A damaged file moved aside is told in
    // Notice(), and the store is usable.
    // A file that can be read but not written (a read-only folder, file or disk) opens for
    // reading only: the offers are shown, Notice() says why nothing can change, and every change
    // fails with a message that says so.
    bool Open();
    bool IsOpen() const { return open_; }
    bool ReadOnly() const { return open_ && readOnly_; }
    // How long a change waits for another program that is writing, in milliseconds (10 s unless
    // set). A window sets it short and offers to try again, so it never freezes behind another
    // program.
    void SetWriteWait(int milliseconds);

    QString Path() const;
    // The version the steps bring a file to.
    int SchemaVersion() const;
    QString Error() const { return error_; }
    QString Notice() const { return notice_; }

    // Newest first. Empty (with Error()) when reading fails; ReadFailed() then says so and Busy()
    // whether another program holds the file, which reading waits for only briefly. Offers that
    // cannot be read are left out and named in Notice().
    std::vector<KeptOffer> All();
    bool ReadFailed() const { return readFailed_; }
    bool Busy() const { return busy_; }
    // Keeps the offer; sets its id and, when unset, its time. False on failure (see Error()).
    bool Add(KeptOffer& offer);
    // Writes the offer's name, figures and Loan Estimate over the kept one of its id.
    bool Update(const KeptOffer& offer);
    bool Rename(qint64 id, const QString& name);
    bool Remove(qint64 id);
    // The comparison's own settings (the years to keep the loan, the savings rate), as text.
    std::optional<QString> Setting(const QString& key);
    bool SetSetting(const QString& key, const QString& value);
    // Puts a removed offer back with its own id and time.
    bool Restore(const KeptOffer& offer);
    // The Closing Disclosure check kept with the offer of this id; none when none is kept (or it
    // could not be read: Error() says so). A kept check stays when its offer is deleted, so
    // putting the offer back brings it back; ids are never used again.
    std::optional<KeptCheck> Check(qint64 offerId);
    // Keeps the check with its offer, in place of one kept before. False, with Error(), when the
    // offer is no longer kept or the check is beyond OfferLimits.h.
    bool KeepCheck(const KeptCheck& check);
    // Add, Update, Rename and Restore refuse, with Error(), an offer beyond OfferLimits.h, and
    // one that would not read back whole; SetSetting a key or value beyond them.

    // How a file is renamed when a damaged one is moved aside (QFile::rename unless set): a test
    // makes one of the moves fail.
    using RenameFile = std::function<bool(const QString& from, const QString& to)>;
    void SetRenameFile(RenameFile rename) { renameFile_ = std::move(rename); }

private:
    bool MayOpen();
    bool OpenFile();
    bool Migrate();
    bool MatchesSteps(int version, QString* detail);
    bool MoveAside(const QString& why);
    void Close();
    bool Fail(const QString& what, const QString& detail);
    QString ReadOnlyNotice() const;

    QString folder_;
    std::vector<QString> steps_;
    QString connection_;
    bool open_ = false;
    bool damaged_ = false; // the last open failed because the file is not a usable database
    bool readFailed_ = false;
    bool busy_ = false;
    bool readOnly_ = false;
    int writeWaitMs_ = 10000; // a change waits this long for another running copy that writes
    QString error_;
    QString notice_;
    RenameFile renameFile_;
};

} // namespace plumcrest::store
