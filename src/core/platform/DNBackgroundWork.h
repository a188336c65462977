#pragma once

class QThreadPool;

// Thumbnails, covers and photo previews are made on thread pools, and a job may still run when
// the program ends. A job uses the application object, its painting, the image readers and the
// engine bridge, all of which go when the program ends; so each pool that outlives a window is
// registered here and waited for while they still exist: when the application is about to quit,
// again from the application object's destructor, and at the end of a test program's main().
void DNRegisterBackgroundPool(QThreadPool *pool);

// Waits for every job of every registered pool. Safe to call more than once.
void DNWaitForBackgroundWork();
