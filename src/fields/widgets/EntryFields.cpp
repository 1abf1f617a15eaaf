#include "fields/widgets/EntryFields.h"

#include <QString>

DataByteFields makeDataByteFields(const FieldMessages& messages, MessageSink& sink, LeftEmpty leftEmpty,
                                  const QString& name, QWidget* parent) {
    DataByteFields fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = new EntryField(FieldKind::dataByte, messages, sink, leftEmpty, parent);
        fields[i]->setAccessibleName(QStringLiteral("%1 %2").arg(name).arg(i + 1));
        if (i > 0)
            fields[i - 1]->setNextField(fields[i]);
    }
    return fields;
}

void showInFormat(std::span<EntryField* const> fields, NumberFormat format, EmptyText empty) {
    for (EntryField* field : fields)
        field->setNumberFormat(format, empty);
}

void enableDataFields(const DataByteFields& fields, int size, bool remoteFrame) {
    const int enabled = enabledDataFieldCount(size, remoteFrame);
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setEnabled(int(i) < enabled);
}
