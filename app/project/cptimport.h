// Reading a user's cone penetration data file into the project's CPT points.
#pragma once

#include <QString>

namespace torve::app {

class TProgramData;

// The CPT data dialog's reading, without the dialog: the project holds the file name and the
// counts of data lines, header lines and columns; the stress factor Ua belongs to the dialog.
// Every read takes depth (column 1) and q (column 2) from each data line and puts the points
// depth, Ua x q into MotionInput, which is what a save writes for the engine. The SPT and Su reads
// also fill MotionConverted with the converted profile, kept apart from the qc points.
class TCptImport {
  public:
    enum Kind { Qc, Spt, Su };

    explicit TCptImport(TProgramData& project) : project_(&project) {}

    double Ua = 1.0;  // unit conversion factor for stress (1000 for a file in MPa in an S.I. project)

    // Reads the named file. On success returns an empty text and MotionInput (and for Spt and Su
    // MotionConverted) holds the new points, with the captions of the kind. On failure returns the
    // message to show and leaves the points as they were: "File <name> does not exists", a refusal
    // of more than 1000 data lines, or "There was an error reading the input CPT file.".
    QString Read(Kind kind);

    // The x value of a point of each kind from the file's q: Ua x q for qc; an SPT blow count of
    // qc in kPa / 280 (English qc in ksf times 47.875 kPa per ksf); Su = qc / 15.
    static double Converted(Kind kind, double uaTimesQ, int units);

    static const char* const kReadError;

  private:
    TProgramData* project_;
};

}  // namespace torve::app
