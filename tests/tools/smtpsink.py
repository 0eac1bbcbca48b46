"""The mail server's handler for the tests: stores each message it accepts, as the raw bytes that followed
DATA, in the folder given on the command line (message1.eml, message2.eml, ...), with its envelope
(the sender on the first line, each recipient on a line of its own) in message1.env, ...

Run: PYTHONPATH=tests/tools python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtpsink.Sink FOLDER
"""

import os


class Sink:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    @classmethod
    def from_cli(cls, parser, *args):
        if len(args) != 1:
            parser.error("smtpsink.Sink takes the folder to store the messages in")
        return cls(args[0])

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        stem = os.path.join(self.folder, "message%d" % self.count)
        with open(stem + ".env", "w", encoding="utf-8") as env:
            env.write("\n".join([envelope.mail_from] + list(envelope.rcpt_tos)) + "\n")
        # The message appears whole or not at all: the tests wait for it by its name.
        with open(stem + ".part", "wb") as part:
            part.write(envelope.original_content)
        os.rename(stem + ".part", stem + ".eml")
        return "250 Message accepted for delivery"
