' Nothing: the cost of starting the script host.
