// The one queue of the browser's events that the program's modal loops read, one event at a
// time; a loop with nothing to read waits on a promise that the next event keeps.

export class EventQueue {
  constructor() {
    this.events = [];
    this.wake = null;  // resolves the modal loop's wait for the next event
  }

  post(event) {
    this.events.push(event);
    if (this.wake) {
      const resume = this.wake;
      this.wake = null;
      resume();
    }
  }

  // The next event for window `id`; events left for windows that have closed are dropped.
  take(id) {
    while (this.events.length) {
      const event = this.events.shift();
      if (event.window === id) return event;
    }
    return null;
  }

  // A promise kept as soon as the queue holds an event.
  next() {
    if (this.events.length) return Promise.resolve();
    return new Promise((resolve) => { this.wake = resolve; });
  }

  // Whether the program has handled every event and waits for the next (for tests).
  idle() { return this.events.length === 0 && this.wake !== null; }
}

export const events = new EventQueue();
