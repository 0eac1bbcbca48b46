"""Mail server handler of the tests: keeps each accepted message's raw bytes (what followed DATA) as
messageN.eml in the folder named on the command line, its envelope (sender, recipients) as messageN.env.
Refuses every recipient whose address starts with "refused".

PYTHONPATH=tests/tools /usr/bin/python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtpsink.Sink FOLDER
"""

import os


class Sink:
    def __init__(self, folder):
        self.folder, self.count = folder, 0

    @classmethod
    def from_cli(cls, parser, folder):
        return cls(folder)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("refused"):
            return "550 5.1.1 No such member here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        stem = os.path.join(self.folder, "message%d" % self.count)
        with open(stem + ".env", "w") as env:
            env.write("\n".join([envelope.mail_from] + envelope.rcpt_tos) + "\n")
        with open(stem + ".part", "wb") as part:
            part.write(envelope.original_content)
        os.rename(stem + ".part", stem + ".eml")  # the tests wait for the whole message by its name
        return "250 Message accepted for delivery"
