#pragma once
#include <stdexcept>
#include <string>

namespace quiz {

// An error of the runtime or of a platform call. Unless a handler catches it,
// it travels to the outermost dispatch, which shows it and ends the program.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& message) : std::runtime_error(message), number_(number) {}
    int number() const { return number_; }

    static RuntimeError invalidCall() {
        return {5, "Laufzeitfehler '5': Ungültiger Prozeduraufruf oder ungültiges Argument"};
    }
    static RuntimeError overflow() { return {6, "Laufzeitfehler '6': Überlauf"}; }
    static RuntimeError subscript() { return {9, "Laufzeitfehler '9': Index außerhalb des gültigen Bereichs"}; }
    static RuntimeError divisionByZero() { return {11, "Laufzeitfehler '11': Division durch Null"}; }
    static RuntimeError typeMismatch() { return {13, "Laufzeitfehler '13': Typen unverträglich"}; }
    static RuntimeError fileNotFound() { return {53, "Laufzeitfehler '53': Datei nicht gefunden"}; }
    static RuntimeError invalidPicture() { return {481, "Laufzeitfehler '481': Ungültiges Bild"}; }
    static RuntimeError textReadOnly() {
        return {383, "Laufzeitfehler '383': 'Text'-Eigenschaft ist schreibgeschützt"};
    }

private:
    int number_;
};

// Thrown to end the program at once: no further handler runs.
struct ProgramEnd {};

}  // namespace quiz
