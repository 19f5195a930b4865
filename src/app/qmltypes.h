#ifndef QMLTYPES_H
#define QMLTYPES_H

// The front end's types under "org.hoplix.hoplix" 1.0: the facade and the
// state objects beside it. One list, read by the program and by the tests
// that load the front end.
namespace QmlTypes {
void registerAll();
}

#endif // QMLTYPES_H
